// The baseline of the launcher's start-up, memory, idle and waiting figures:
// the same engine start, settings and page as the launcher's login phase,
// shown in the simplest way the engine allows.
#include "bare_engine_host.h"

#include "browser/engine_settings.h"
#include "browser/game_address.h"
#include "browser/simple_app.h"
#include "engine/cef_app.h"
#include "engine/cef_request_handler.h"
#include "plain_browser_window.h"
#include "plain_client.h"
#include "settings/publisher_site.h"

#include <windows.h>

#include <shellapi.h>

#include <atomic>
#include <cwchar>
#include <memory>
#include <string>

namespace {

// The login browser's size in the launcher, and its game window's.
constexpr SIZE kBrowserSize = {627, 406};
constexpr SIZE kGameSize = {1250, 700};
constexpr POINT kPosition = {40, 40};
constexpr POINT kGamePosition = {100, 100};
// Posted to the login window; lParam: a std::wstring the window takes, the game address.
constexpr UINT kOpenGameMessage = WM_APP + 1;

// The login browser's client with kBareEngineHostNewWindowSwitch: a main-frame
// navigation to a game address is cancelled and posted to the window.
class NewWindowOnGameClient : public CefClient, public CefRequestHandler {
public:
    CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }

    // Main thread, once the window exists (before any page can navigate).
    void SetWindow(HWND window) { m_window = window; }

    // CefRequestHandler
    // Engine UI thread.
    bool OnBeforeBrowse(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                        bool) override
    {
        const std::wstring url = request->GetURL().ToWString();
        if (!frame->IsMain() || !IsGameAddress(url))
            return false;
        auto address = std::make_unique<std::wstring>(url);
        if (PostMessageW(m_window.load(), kOpenGameMessage, 0, reinterpret_cast<LPARAM>(address.get())))
            address.release();
        return true;
    }

private:
    // Written on the main thread, read on the engine's UI thread.
    std::atomic<HWND> m_window{nullptr};

    IMPLEMENT_REFCOUNTING(NewWindowOnGameClient);
};

struct HostOptions {
    bool gameInNewWindow = false;
    std::wstring address;
    SIZE size = kBrowserSize;
};

HostOptions ReadCommandLine()
{
    HostOptions options;
    options.address = LoginPageAddress();
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; arguments && i < count; ++i) {
        const std::wstring argument = arguments[i];
        const size_t equals = argument.find(L'=');
        const std::wstring name = argument.substr(0, equals);
        const std::wstring value = equals == std::wstring::npos ? L"" : argument.substr(equals + 1);
        if (name == kBareEngineHostNewWindowSwitch)
            options.gameInNewWindow = true;
        else if (name == kBareEngineHostAddressSwitch)
            options.address = value;
        else if (name == kBareEngineHostSizeSwitch)
            swscanf(value.c_str(), L"%ldx%ld", &options.size.cx, &options.size.cy);
    }
    LocalFree(arguments);
    return options;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    const CefMainArgs mainArgs(instance);
    CefRefPtr<SimpleApp> app(new SimpleApp);
    const int subProcessExitCode = CefExecuteProcess(mainArgs, app.get(), nullptr);
    if (subProcessExitCode >= 0)
        return subProcessExitCode;
    CefInitialize(mainArgs, LauncherEngineSettings(), app.get(), nullptr);
    {
        const HostOptions hostOptions = ReadCommandLine();
        const bool newWindow = hostOptions.gameInNewWindow;
        CefRefPtr<NewWindowOnGameClient> handOver(newWindow ? new NewWindowOnGameClient : nullptr);
        std::unique_ptr<PlainBrowserWindow> game;
        PlainBrowserWindow::Options options;
        options.caption = kBareEngineHostCaption;
        options.position = kPosition;
        options.clientSize = hostOptions.size;
        options.address = hostOptions.address;
        options.client = newWindow ? CefRefPtr<CefClient>(handOver.get()) : CefRefPtr<CefClient>(new PlainClient);
        options.onMessage = [&game](HWND, UINT message, WPARAM, LPARAM lParam) {
            if (message == WM_DESTROY)
                PostQuitMessage(0);
            if (message != kOpenGameMessage)
                return;
            const std::unique_ptr<std::wstring> address(reinterpret_cast<std::wstring*>(lParam));
            if (game)
                return;
            PlainBrowserWindow::Options gameOptions;
            gameOptions.caption = kBareEngineHostGameCaption;
            gameOptions.position = kGamePosition;
            gameOptions.clientSize = kGameSize;
            gameOptions.address = *address;
            gameOptions.client = new PlainClient;
            game = std::make_unique<PlainBrowserWindow>(gameOptions);
        };
        PlainBrowserWindow window(options);
        if (handOver)
            handOver->SetWindow(window.handle());
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    CefShutdown();
    return 0;
}
