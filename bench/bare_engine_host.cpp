// The baseline of the launcher's start-up, memory and idle figures: the same
// engine start, settings and page as the launcher's login phase, shown in the
// simplest way the engine allows.
#include "bare_engine_host.h"

#include "browser/engine_settings.h"
#include "browser/simple_app.h"
#include "engine/cef_app.h"
#include "plain_browser_window.h"
#include "plain_client.h"
#include "settings/publisher_site.h"

#include <windows.h>

namespace {

// The login browser's size in the launcher.
constexpr SIZE kBrowserSize = {627, 406};
constexpr POINT kPosition = {40, 40};

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
        PlainBrowserWindow::Options options;
        options.caption = kBareEngineHostCaption;
        options.position = kPosition;
        options.clientSize = kBrowserSize;
        options.address = LoginPageAddress();
        options.client = new PlainClient;
        options.onMessage = [](HWND, UINT message, WPARAM, LPARAM) {
            if (message == WM_DESTROY)
                PostQuitMessage(0);
        };
        PlainBrowserWindow window(options);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    CefShutdown();
    return 0;
}
