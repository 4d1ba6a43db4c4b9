// The process entry. The engine starts this executable again for each of its
// sub-processes, so the entry first offers the process to the engine; in the
// browser process it starts the engine and the toolkit and runs the login
// window modally, then ends the engine.
#include "app/resource.h"
#include "browser/engine_settings.h"
#include "browser/login_globals.h"
#include "browser/simple_app.h"
#include "engine/cef_app.h"
#include "toolkit/paint_manager.h"
#include "ui/branding.h"
#include "ui/form_login.h"

#include <objbase.h>
#include <ole2.h>
#include <windows.h>

namespace {

// Beside the executable.
constexpr wchar_t kSkinFolderName[] = L"skin";
constexpr DWORD kLoginWindowStyle = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
constexpr DWORD kLoginWindowExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
constexpr int kExitCode = 0;

void UseSkinFolderBesideExecutable(HINSTANCE instance)
{
    CPaintManagerUI::SetInstance(instance);
    CPaintManagerUI::SetResourcePath(CPaintManagerUI::GetInstancePath() + kSkinFolderName);
}

void SetBigIcon(HINSTANCE instance, HWND window)
{
    const HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APPLICATION_ICON));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    CoInitialize(nullptr);
    OleInitialize(nullptr);

    const CefMainArgs mainArgs(instance);
    CefRefPtr<SimpleApp> app(new SimpleApp);

    const int subProcessExitCode = CefExecuteProcess(mainArgs, app.get(), nullptr);
    if (subProcessExitCode >= 0)
        return subProcessExitCode;

    CefInitialize(mainArgs, LauncherEngineSettings(), app.get(), nullptr);

    UseSkinFolderBesideExecutable(instance);

    CDuiFormLogin* loginWindow = new CDuiFormLogin;
    g_hLoginWnd = loginWindow->Create(nullptr, kGameTitle, kLoginWindowStyle, kLoginWindowExStyle, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr);
    SetBigIcon(instance, g_hLoginWnd);
    loginWindow->ShowModal();
    delete loginWindow;

    CoUninitialize();
    CefRunMessageLoop();
    CefShutdown();
    return kExitCode;
}
