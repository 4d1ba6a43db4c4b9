// The launcher as a player meets it: the demo publisher site served on its
// loopback address, Zarnith.exe started from the runnable folder under Wine,
// and its windows found and driven with real input.
#pragma once

#include "driver.h"
#include "http_server.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace launchertest {

inline constexpr wchar_t kExecutableName[] = L"Zarnith.exe";
inline constexpr wchar_t kWindowClass[] = L"XMLWnd";
// The game's title: the caption of the login window, the game window and
// the launcher's message boxes.
inline constexpr wchar_t kGameCaption[] = L"Zarnith";
inline constexpr wchar_t kLoginBrowserCaption[] = L"LoginBrowser";
// The demo site's port, where the launcher's built-in addresses point.
inline constexpr unsigned short kSitePort = ZARNITH_DEMO_SITE_PORT;
inline constexpr char kLoginPagePath[] = "/commonpage/statics/1000226/micro/login.html";
// What the demo login page reports to the site: it has loaded; its account
// field took the focus; its form was sent.
inline constexpr char kPageLoadEvent[] = "/event?load";
inline constexpr char kFieldFocusEvent[] = "/event?focus";
inline constexpr char kSubmitEvent[] = "/event?submit";
// The page's first animation frame after its load, and each press in it.
inline constexpr char kFirstFrameEvent[] = "/event?frame";
inline constexpr char kMouseDownEvent[] = "/event?mousedown";
// What the demo game page reports, each numbered after "count=": a key
// press, and the page gaining or losing the keyboard.
inline constexpr char kGamePageKeyPressReport[] = "/game/keypress?count=";
inline constexpr char kGamePageFocusReport[] = "/game/focus?count=";
inline constexpr char kGamePageBlurReport[] = "/game/blur?count=";
// The login page's account field, in the login browser's client coordinates
// at 100 %.
inline constexpr POINT kAccountField = {313, 146};
// Titles the engine writes into a browser's own window.
inline constexpr wchar_t kLoginPageTitle[] = L"Zarnith \x767B\x5F55";  // "Zarnith 登录"
// The demo game page's title: "Zarnith · <server> · <account>".
std::wstring GamePageTitle(const std::wstring& server, const std::wstring& account);
// The server the demo login page enters the game on.
inline constexpr wchar_t kLoginServer[] = L"1";
// The login window's size, as its skin lays it out.
inline constexpr SIZE kLoginWindowSize = {1120, 640};

// Generous bounds for the launcher and its engine under Wine.
inline constexpr DWORD kStartTimeoutMs = 30000;
inline constexpr DWORD kPageTimeoutMs = 30000;
inline constexpr DWORD kExitTimeoutMs = 30000;
inline constexpr DWORD kWindowTimeoutMs = 10000;

// The runnable folder, without a trailing backslash, and its Zarnith.exe.
std::wstring RunnableFolder();
std::wstring LauncherExecutable();
// The engine switches that every program running the engine needs under Wine,
// as one command-line string.
std::wstring WineEngineSwitches();
// Starts a program that runs the engine (Zarnith.exe or a bench's own) with
// those switches, in workingDirectory, else in a folder that is not its own,
// as a shortcut would.
driver::Process StartEngineProgram(const std::wstring& exePath, const std::wstring& workingDirectory = std::wstring());

// The demo site's folder, a Windows path.
std::wstring DemoSiteFolder();
// The demo site's server, one for the whole program (a port just closed cannot
// always be listened on again at once): serving the demo site's folder, with
// no routes and no requests seen yet.
testsupport::HttpServer& ServeDemoSite();

// Declares this test thread aware of the scale, so that it sees the
// launcher's windows in pixels, as the launcher does: a thread that declares
// nothing is shown every window's rectangle scaled back to 96 DPI. False
// where the call is missing (Windows 7; under Wine the process-wide
// awareness is fixed before the program starts).
bool DeclareAwareOfTheScale();

// The engine's browser window among the window's descendants, or null.
HWND BrowserWindowIn(HWND host);
// Waits until a browser window inside host carries the title.
bool WaitForPageTitle(HWND host, const std::wstring& title, DWORD timeoutMs = kPageTimeoutMs);

// Logs in on the login page with real input: once the window that hosts the
// login browser holds the foreground, clicks into its account field there
// (the click carries its point), waits until the browser has the focus and fieldFocused (when given)
// says the field has it, replaces the field's text and presses Enter. False,
// with what did not happen printed, when the foreground or the focus did not come.
bool LogInWithInput(HWND loginBrowserHost, const std::wstring& account,
                    const std::function<bool()>& fieldFocused = nullptr);

// Prints, after an input that did not take effect, what the system shows:
// the pointer, the window under it and the rectangle the pointer is kept
// in, the foreground window, window's
// rectangle and the active, focus (with its parent) and capture windows of its thread; and
// saves a screenshot in the temporary folder, its path printed too.
void PrintInputScene(const std::string& what, HWND window);
// Waits for condition as driver::WaitFor does, for kWindowTimeoutMs; when it
// does not come, prints the input scene with notHappened as its heading.
bool WaitForInputEffect(const std::function<bool()>& condition, const std::string& notHappened, HWND window);

// The launcher's visible skinned top-level windows with this caption.
HWND FindVisibleWindow(DWORD processId, const wchar_t* caption);

// The text in UTF-8, for a test's or a bench's output.
std::string Utf8(const std::wstring& text);

// Every launcher process, the engine's sub-processes included, is gone.
bool NoLauncherProcessLeft();

class LauncherSession {
public:
    enum class SiteState { Served, Down };
    // Served: the demo site, from one server for the whole test program (a
    // port just closed cannot always be listened on again at once), with no
    // routes of earlier sessions and no requests seen yet. Down: nothing
    // listens on the site's port in this program. Nothing starts yet.
    explicit LauncherSession(SiteState site = SiteState::Served);
    // Kills whatever is left of the launcher.
    ~LauncherSession();
    LauncherSession(const LauncherSession&) = delete;
    LauncherSession& operator=(const LauncherSession&) = delete;

    // Only while the site is served.
    testsupport::HttpServer& Site() { return *m_site; }
    // Serves, in place of the demo login page, a page with the title that
    // runs the script (a page that hands over by itself).
    void ServeLoginPageScript(const std::string& title, const std::string& script);

    // Starts the launcher (executable, else the runnable folder's; in
    // workingDirectory, else a folder that is not its own) and waits for its
    // login window and login browser window; with waitForPage, also for the
    // login page's title. Returns whether all of that appeared; prints what
    // the launcher showed when it did not.
    bool Start(bool waitForPage = true, const std::wstring& workingDirectory = std::wstring(),
               const std::wstring& executable = std::wstring());
    const driver::Process& Process() const { return m_process; }
    HWND Login() const { return m_login; }
    HWND LoginBrowser() const { return m_loginBrowser; }

    // Logs in with real input: waits until the login page shown has loaded
    // since the last login, clicks into its account field, waits until the
    // page reports its focus, replaces its text, presses Enter and waits
    // until the page reports the form sent. False, with what did not happen
    // printed, when a report did not come.
    bool LogInAs(const std::wstring& account);
    // Logs in with real input and waits for the game window and the game
    // page drawn in it; null, with what did not come printed, when either does not.
    HWND LogInToGame(const std::wstring& account);
    // The visible game window, waited for; null when none appears.
    HWND WaitForGameWindow(DWORD timeoutMs = kWindowTimeoutMs) const;
    // All of the launcher's game windows, visible or not (the login window
    // has the same class and caption).
    std::vector<HWND> GameWindows() const;
    size_t CountGameWindows() const;
    bool LoginWindowsVisible() const;
    bool LoginWindowsHidden() const;

    // Whether the launcher has ended, and then its exit code; without waiting.
    bool HasEnded(DWORD* exitCode) const;
    // The launcher's windows and the titles their browsers show, as one line.
    std::string WhatShows() const;

    // Waits for the launcher to end; true when it ended with exitCode in time.
    bool EndsWith(DWORD expectedExitCode, DWORD* exitCode = nullptr);
    // Clicks the login window's close button once, as a player would;
    // whether the window went.
    bool ClickLoginCloseButton();
    // Ended with exit code 0, and no launcher process is left.
    bool EndsCleanly(DWORD* exitCode = nullptr);

private:
    // The login page reported its load after the last form it sent.
    bool LoginPageLoadedSinceLastSubmit() const;
    testsupport::HttpServer* m_site = nullptr;
    driver::Process m_process;
    HWND m_login = nullptr;
    HWND m_loginBrowser = nullptr;
};

}  // namespace launchertest
