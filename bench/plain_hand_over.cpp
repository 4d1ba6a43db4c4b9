#include "plain_hand_over.h"

#include "browser/game_address.h"
#include "engine/cef_client.h"
#include "engine/cef_request_handler.h"
#include "title_client.h"

#include <memory>

namespace {

// Posted from the engine's UI thread: lParam a PostedHandOver the login window takes.
constexpr UINT kOpenGameMessage = WM_APP + 1;
// Posted by the game window as it goes.
constexpr UINT kGameClosedMessage = WM_APP + 2;
// The launcher's login browser and game window sizes.
constexpr SIZE kLoginBrowserSize = {627, 406};
constexpr SIZE kGameWindowSize = {1250, 700};
constexpr POINT kLoginPosition = {100, 100};
constexpr POINT kGamePosition = {40, 40};

// What the engine's report hands to the login window.
struct PostedHandOver {
    CefRefPtr<CefBrowser> loginBrowser;
    std::wstring address;
};

// The login browser's client: reports game addresses to the login window.
class HandOverClient : public CefClient, public CefRequestHandler {
public:
    void SetLoginWindow(HWND window) { m_loginWindow = window; }

    CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }

    // Engine UI thread.
    bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                        bool isRedirect) override
    {
        const std::wstring url = request->GetURL().ToWString();
        if (!IsGameAddress(url))
            return false;
        auto* handOver = new PostedHandOver{browser, url};
        if (!PostMessageW(m_loginWindow, kOpenGameMessage, 0, reinterpret_cast<LPARAM>(handOver)))
            delete handOver;
        return false;
    }

private:
    HWND m_loginWindow = nullptr;

    IMPLEMENT_REFCOUNTING(HandOverClient);
};

}  // namespace

PlainHandOver::PlainHandOver(FirstPaintStopwatch& stopwatch, const std::wstring& loginAddress)
    : m_stopwatch(stopwatch), m_loginAddress(loginAddress)
{
    CefRefPtr<HandOverClient> client(new HandOverClient);
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
        const std::unique_ptr<PostedHandOver> handOver(reinterpret_cast<PostedHandOver*>(lParam));
        m_stopwatch.Start(GetMessageTime());
        ShowWindow(window, SW_HIDE);
        handOver->loginBrowser->GetMainFrame()->LoadURL(m_loginAddress);
        if (m_game)
            return;
        PlainBrowserWindow::Options options;
        options.caption = kGameCaption;
        options.position = kGamePosition;
        options.clientSize = kGameWindowSize;
        options.style = WS_POPUP | WS_VISIBLE;
        options.address = handOver->address;
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
