#include "app/launcher_app.h"

#include "app/engine_session.h"
#include "app/start_failure.h"
#include "engine/cef_app.h"
#include "toolkit/paint_manager.h"
#include "ui/branding.h"
#include "ui/form_login.h"
#include "ui/resource.h"

#include <ole2.h>

namespace {

// Beside the executable.
constexpr wchar_t kSkinFolderName[] = L"skin";
constexpr DWORD kLoginWindowStyle = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
constexpr DWORD kLoginWindowExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
constexpr int kEndedExitCode = 0;
// The engine's sub-process whose library is of another version: the browser
// process that started it has already told the player.
constexpr int kSubProcessOfOtherEngineExitCode = 1;

// OLE (and with it COM) on the main thread for as long as it lives.
class OleSession {
public:
    OleSession() { OleInitialize(nullptr); }
    ~OleSession() { OleUninitialize(); }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
};

// The toolkit knows the executable's module (LauncherApp::Run gives it).
void UseSkinFolderBesideExecutable()
{
    CPaintManagerUI::SetResourcePath(CPaintManagerUI::GetInstancePath() + kSkinFolderName);
}

void SetBigIcon(HINSTANCE instance, HWND window)
{
    const HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APPLICATION_ICON));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

LauncherApp::LauncherApp(HINSTANCE instance) : m_instance(instance), m_mainArgs(instance), m_engineApp(new SimpleApp)
{
}

int LauncherApp::Run()
{
    const bool subProcess = IsEngineSubProcess(GetCommandLineW());
    // The engine would refuse to run, and the browser process would show nothing.
    if (!EngineLibraryMatches()) {
        if (subProcess)
            return kSubProcessOfOtherEngineExitCode;
        ShowStartFailure(StartFailure::OtherEngineVersion);
        return StartFailureExitCode(StartFailure::OtherEngineVersion);
    }
    if (!subProcess) {
        // The toolkit's idea of the executable's folder serves the engine's files and the skins alike.
        CPaintManagerUI::SetInstance(m_instance);
        if (const std::optional<std::wstring> missing = MissingEngineFile(CPaintManagerUI::GetInstancePath().GetData())) {
            ShowStartFailure(StartFailure::MissingEngineFile, *missing);
            return StartFailureExitCode(StartFailure::MissingEngineFile);
        }
    }
    // The process declares itself aware of the scale (its manifest); the
    // engine's own windows learn it here, in every process alike.
    CefEnableHighDPISupport();
    const int subProcessExitCode = CefExecuteProcess(m_mainArgs, m_engineApp.get(), nullptr);
    if (subProcessExitCode >= 0)
        return subProcessExitCode;
    return RunBrowserProcess();
}

int LauncherApp::RunBrowserProcess()
{
    // Declared in the order they start: they end in reverse, OLE last.
    const OleSession ole;
    UseSkinFolderBesideExecutable();
    // The login window's pictures take about as long to decode as the engine
    // takes to start: in turn they would delay the login page's request.
    const std::unique_ptr<WindowImplBase::BackgroundSkinPreload> loginSkin = CDuiFormLogin::PreloadSkinInBackground();
    EngineSession engine(m_mainArgs, m_engineApp);
    if (const std::optional<StartFailure> failure = engine.Start()) {
        ShowStartFailure(*failure);
        return StartFailureExitCode(*failure);
    }
    loginSkin->Wait();

    CDuiFormLogin loginWindow;
    const HWND login = loginWindow.Create(nullptr, kGameTitle, kLoginWindowStyle, kLoginWindowExStyle, CW_USEDEFAULT,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr);
    SetBigIcon(m_instance, login);
    // Every way out ends here: the close button, a system close, Alt+F4 in
    // the login page (all destroy the window), or a quit message.
    loginWindow.ShowModal();
    if (IsWindow(login))
        DestroyWindow(login);
    return kEndedExitCode;
}
