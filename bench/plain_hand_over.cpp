#include "plain_hand_over.h"

#include "browser/game_address.h"
#include "clock.h"
#include "engine/cef_client.h"
#include "engine/cef_request_handler.h"
#include "title_client.h"

namespace {

// From the engine's UI thread: wParam the reporting browser, lParam the address.
constexpr UINT kOpenGameMessage = WM_APP + 1;
// Posted by the game window as it goes.
constexpr UINT kGameClosedMessage = WM_APP + 2;
// The launcher's login browser and game window sizes.
constexpr SIZE kLoginBrowserSize = {627, 406};
constexpr SIZE kGameWindowSize = {1250, 700};
constexpr POINT kLoginPosition = {100, 100};
constexpr POINT kGamePosition = {40, 40};

// The login browser's client: reports game addresses to the login window.
class HandOverClient : public CefClient, public CefRequestHandler {
public:
    explicit HandOverClient(HandOverTimes& times) : m_times(times) {}

    void SetLoginWindow(HWND window) { m_loginWindow = window; }

    CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }

    // Engine UI thread.
    bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                        bool isRedirect) override
    {
        const std::wstring url = request->GetURL().ToWString();
        if (!IsGameAddress(url))
            return false;
        const double start = NowMs();
        SendMessageW(m_loginWindow, kOpenGameMessage, reinterpret_cast<WPARAM>(browser.get()),
                     reinterpret_cast<LPARAM>(url.c_str()));
        m_times.Add(NowMs() - start);
        return false;
    }

private:
    HandOverTimes& m_times;
    HWND m_loginWindow = nullptr;

    IMPLEMENT_REFCOUNTING(HandOverClient);
};

}  // namespace

PlainHandOver::PlainHandOver(HandOverTimes& times, const std::wstring& loginAddress) : m_loginAddress(loginAddress)
{
    CefRefPtr<HandOverClient> client(new HandOverClient(times));
    PlainBrowserWindow::Options options;
    options.caption = kLoginCaption;
    options.position = kLoginPosition;
    options.clientSize = kLoginBrowserSize;
    options.address = m_loginAddress;
    options.client = client.get();
    options.onMessage = [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        OnLoginMessage(window, message, wParam, lParam);
    };
    m_login = std::make_unique<PlainBrowserWindow>(options);
    client->SetLoginWindow(m_login->handle());
}

PlainHandOver::~PlainHandOver() = default;

void PlainHandOver::OnLoginMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kOpenGameMessage) {
        ShowWindow(window, SW_HIDE);
        reinterpret_cast<CefBrowser*>(wParam)->GetMainFrame()->LoadURL(m_loginAddress);
        if (m_game)
            return;
        PlainBrowserWindow::Options options;
        options.caption = kGameCaption;
        options.position = kGamePosition;
        options.clientSize = kGameWindowSize;
        options.style = WS_POPUP | WS_VISIBLE;
        options.address = reinterpret_cast<const wchar_t*>(lParam);
        options.client = new TitleClient;
        options.onMessage = [window](HWND, UINT gameMessage, WPARAM, LPARAM) {
            if (gameMessage == WM_DESTROY)
                PostMessageW(window, kGameClosedMessage, 0, 0);
        };
        m_game = std::make_unique<PlainBrowserWindow>(options);
    } else if (message == kGameClosedMessage) {
        m_game.reset();
        ShowWindow(window, SW_SHOW);
    }
}
