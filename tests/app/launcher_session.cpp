#include "launcher_session.h"

#include "game_window.h"

#include <cstdio>
#include <vector>

namespace launchertest {

namespace {

constexpr wchar_t kWineEngineSwitches[] = ZARNITH_WINE_ENGINE_SWITCHES;
constexpr wchar_t kBrowserWindowClass[] = L"CefBrowserWindow";
// The login browser window's client size at 100 %, where kAccountField is given.
constexpr SIZE kLoginBrowserSize = {627, 406};
// The login window's close button, in its client coordinates at 100 %.
constexpr POINT kLoginCloseButton = {1100, 18};
// Enough to empty the account field of the page's own value ("player").
constexpr int kAccountFieldBackspaces = 24;

// A folder that is not the executable's, to start the launcher in.
std::wstring ElsewhereFolder()
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return folder;
}

// A point of a window's client area given for its size at 100 %: at another
// scale the window and the page in it have grown alike.
POINT AtClientScale(HWND window, POINT at100, SIZE size100)
{
    RECT client = {};
    GetClientRect(window, &client);
    return {MulDiv(at100.x, client.right, size100.cx), MulDiv(at100.y, client.bottom, size100.cy)};
}

// Whether the window is there and shown, as one word.
std::string Shown(HWND window)
{
    return !IsWindow(window) ? "gone" : driver::IsVisible(window) ? "visible" : "hidden";
}

std::string PageIn(HWND host)
{
    const HWND browser = BrowserWindowIn(host);
    return browser ? "page \"" + Utf8(driver::WindowText(browser)) + "\"" : "no browser";
}

testsupport::HttpServer& DemoSite()
{
    static testsupport::HttpServer site(kSitePort);
    return site;
}

}  // namespace

std::wstring GamePageTitle(const std::wstring& server, const std::wstring& account)
{
    return L"Zarnith \x00B7 " + server + L" \x00B7 " + account;
}

std::wstring RunnableFolder()
{
    return ZARNITH_DIST_DIR_DOS;
}

std::wstring LauncherExecutable()
{
    return RunnableFolder() + L"\\" + kExecutableName;
}

std::wstring WineEngineSwitches()
{
    return kWineEngineSwitches;
}

driver::Process StartEngineProgram(const std::wstring& exePath, const std::wstring& workingDirectory)
{
    return driver::StartProcess(exePath, kWineEngineSwitches,
                                workingDirectory.empty() ? ElsewhereFolder() : workingDirectory);
}

std::wstring DemoSiteFolder()
{
    return ZARNITH_DEMO_SITE_DOS;
}

testsupport::HttpServer& ServeDemoSite()
{
    testsupport::HttpServer& site = DemoSite();
    site.Reset();
    site.ServeFolder(ZARNITH_DEMO_SITE_DOS);
    return site;
}

bool DeclareAwareOfTheScale()
{
    using SetAwarenessFunction = HANDLE(WINAPI*)(HANDLE);
    const auto set = reinterpret_cast<SetAwarenessFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE; the answer is the thread's earlier awareness.
    return set && set(reinterpret_cast<HANDLE>(-3)) != nullptr;
}

HWND BrowserWindowIn(HWND host)
{
    for (HWND window : driver::DescendantWindows(host)) {
        if (driver::WindowClass(window) == kBrowserWindowClass)
            return window;
    }
    return nullptr;
}

bool WaitForPageTitle(HWND host, const std::wstring& title, DWORD timeoutMs)
{
    return driver::WaitFor(
        [&] {
            const HWND browser = BrowserWindowIn(host);
            return browser && driver::WindowText(browser) == title;
        },
        timeoutMs);
}

bool LogInWithInput(HWND loginBrowserHost, const std::wstring& account, const std::function<bool()>& fieldFocused)
{
    // Under Wine a click that arrives while the window is still being handed
    // the foreground is cancelled: the X focus events, handled in the middle
    // of the press, deactivate the window. Seen as a click that gave the login
    // browser's window the focus but never reached the page.
    if (!driver::BringToForeground(loginBrowserHost)) {
        std::printf("logging in as \"%s\": the login browser's window did not keep the foreground\n",
                    Utf8(account).c_str());
        std::fflush(stdout);
        return false;
    }
    const RECT host = driver::ClientRectOnScreen(loginBrowserHost);
    const POINT field = AtClientScale(loginBrowserHost, kAccountField, kLoginBrowserSize);
    driver::ClickAtPinned({host.left + field.x, host.top + field.y});
    // Keys pressed before the click has put the focus into the field would
    // reach the window that had it.
    const auto browserFocused = [&] {
        const HWND focus = driver::FocusOnThreadOf(loginBrowserHost);
        return focus && IsChild(loginBrowserHost, focus);
    };
    if (!driver::WaitFor([&] { return browserFocused() && (!fieldFocused || fieldFocused()); }, kWindowTimeoutMs)) {
        PrintInputScene("logging in as \"" + Utf8(account) +
                            "\": the account field did not take the focus after the click (the login browser's window " +
                            (browserFocused() ? "has" : "does not have") + " it)",
                        loginBrowserHost);
        return false;
    }
    // Emptied without a modifier key: under Wine, Control+A now and then
    // selected nothing, and the account was added to the page's own value.
    driver::PressKey(VK_END);
    for (int i = 0; i < kAccountFieldBackspaces; ++i)
        driver::PressKey(VK_BACK);
    driver::TypeText(account);
    driver::PressKey(VK_RETURN);
    return true;
}

namespace {

std::string Named(HWND window)
{
    if (!window)
        return "none";
    const RECT rect = driver::WindowRect(window);
    char place[96] = {};
    std::snprintf(place, sizeof place, " at (%ld, %ld, %ld, %ld)%s", rect.left, rect.top, rect.right, rect.bottom,
                  driver::IsVisible(window) ? "" : " hidden");
    return Utf8(driver::WindowClass(window)) + " \"" + Utf8(driver::WindowText(window)) + "\"" + place;
}

}  // namespace

void PrintInputScene(const std::string& what, HWND window)
{
    POINT pointer = {};
    GetCursorPos(&pointer);
    RECT clip = {};
    GetClipCursor(&clip);
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    const std::wstring screenshot =
        driver::SaveScreenshotInTempFolder(L"zarnith-input-" + std::to_wstring(GetTickCount()) + L".png");
    std::printf("%s\n  pointer (%ld, %ld) over %s, kept in (%ld, %ld, %ld, %ld)\n  foreground %s\n  window %s\n"
                "  its thread: active %s, focus %s (inside %s), capture %s, flags 0x%lx (2: in a move or size loop)\n"
                "  screenshot %s\n",
                what.c_str(), pointer.x, pointer.y, Named(WindowFromPoint(pointer)).c_str(), clip.left, clip.top,
                clip.right, clip.bottom,
                Named(GetForegroundWindow()).c_str(), Named(window).c_str(), Named(thread.hwndActive).c_str(),
                Named(thread.hwndFocus).c_str(), Named(GetParent(thread.hwndFocus)).c_str(),
                Named(thread.hwndCapture).c_str(), thread.flags,
                screenshot.empty() ? "not saved" : Utf8(screenshot).c_str());
    // The windows inside it: the engine's own windows, when the window holds a browser.
    std::vector<HWND> children;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM found) {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    for (HWND child : children)
        std::printf("  inside it: %s, parent %s\n", Named(child).c_str(),
                    Utf8(driver::WindowClass(GetParent(child))).c_str());
    std::fflush(stdout);
}

bool WaitForInputEffect(const std::function<bool()>& condition, const std::string& notHappened, HWND window)
{
    if (driver::WaitFor(condition, kWindowTimeoutMs))
        return true;
    PrintInputScene(notHappened, window);
    return false;
}

HWND FindVisibleWindow(DWORD processId, const wchar_t* caption)
{
    for (HWND window : driver::TopLevelWindows(kWindowClass, caption, processId)) {
        if (driver::IsVisible(window))
            return window;
    }
    return nullptr;
}

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &utf8[0], size, nullptr, nullptr);
    return utf8;
}

bool NoLauncherProcessLeft()
{
    return driver::WaitFor([] { return driver::ProcessesNamed(kExecutableName).empty(); }, kExitTimeoutMs);
}

LauncherSession::LauncherSession(SiteState site)
{
    if (site == SiteState::Served)
        m_site = &ServeDemoSite();
}

LauncherSession::~LauncherSession()
{
    if (m_process.handle) {
        driver::KillProcessTree(m_process);
        driver::CloseProcess(m_process);
    }
}

void LauncherSession::ServeLoginPageScript(const std::string& title, const std::string& script)
{
    m_site->Page(kLoginPagePath, "<html><head><title>" + title + "</title></head><body><script>" + script +
                                     "</script></body></html>");
}

bool LauncherSession::Start(bool waitForPage, const std::wstring& workingDirectory, const std::wstring& executable)
{
    m_process = StartEngineProgram(executable.empty() ? LauncherExecutable() : executable, workingDirectory);
    if (!m_process.handle)
        return false;
    const bool windows = driver::WaitFor(
        [&] {
            m_loginBrowser = FindVisibleWindow(m_process.id, kLoginBrowserCaption);
            m_login = m_loginBrowser ? driver::Owner(m_loginBrowser) : nullptr;
            return m_login && driver::IsVisible(m_login);
        },
        kStartTimeoutMs);
    if (windows && (!waitForPage || WaitForPageTitle(m_loginBrowser, kLoginPageTitle)))
        return true;
    std::printf("the launcher's start: %s; %s\n",
                windows ? "its login page did not show" : "its login windows did not show", WhatShows().c_str());
    std::fflush(stdout);
    return false;
}

bool LauncherSession::LoginPageLoadedSinceLastSubmit() const
{
    const std::vector<std::string> requests = m_site->RequestedPaths();
    for (auto request = requests.rbegin(); request != requests.rend(); ++request) {
        if (*request == kPageLoadEvent)
            return true;
        if (*request == kSubmitEvent)
            return false;
    }
    return false;
}

bool LauncherSession::LogInAs(const std::wstring& account)
{
    // The hand-over loads the login page again behind the game window; a
    // click into the page that load replaces would be lost with it.
    if (!driver::WaitFor([&] { return LoginPageLoadedSinceLastSubmit(); }, kPageTimeoutMs)) {
        std::printf("logging in as \"%s\": the login page has not loaded since the last login; %s\n",
                    Utf8(account).c_str(), WhatShows().c_str());
        std::fflush(stdout);
        return false;
    }
    const size_t focusBefore = m_site->CountRequests(kFieldFocusEvent);
    const size_t submitsBefore = m_site->CountRequests(kSubmitEvent);
    const size_t pressesBefore = m_site->CountRequests(kMouseDownEvent);
    if (!LogInWithInput(m_loginBrowser, account,
                        [&] { return m_site->CountRequests(kFieldFocusEvent) > focusBefore; })) {
        // Whether the engine was drawing the page at all, and whether the press got into it.
        std::printf("  the page: frames drawn since its loads %zu (loads %zu), presses that reached it %zu\n",
                    m_site->CountRequests(kFirstFrameEvent), m_site->CountRequests(kPageLoadEvent),
                    m_site->CountRequests(kMouseDownEvent) - pressesBefore);
        std::fflush(stdout);
        return false;
    }
    if (!driver::WaitFor([&] { return m_site->CountRequests(kSubmitEvent) > submitsBefore; }, kWindowTimeoutMs)) {
        std::printf("logging in as \"%s\": the login page was not sent (its keys were lost); %s\n",
                    Utf8(account).c_str(), WhatShows().c_str());
        std::fflush(stdout);
        return false;
    }
    return true;
}

HWND LauncherSession::LogInToGame(const std::wstring& account)
{
    const auto failed = [&](const char* what) -> HWND {
        std::printf("logging in as \"%s\": %s; %s\n", Utf8(account).c_str(), what, WhatShows().c_str());
        std::fflush(stdout);
        return nullptr;
    };
    if (!LogInAs(account))
        return nullptr;
    const HWND game = WaitForGameWindow();
    if (!game)
        return failed("no game window after the login page was sent");
    if (!WaitForPageTitle(game, GamePageTitle(kLoginServer, account)))
        return failed("the game window did not show the game page");
    // The title comes before the page's first frame, and the page is kept
    // out of sight, and out of the pointer's reach, until that frame.
    if (!driver::WaitFor([&] { return LookAtGamePage(game).painted; }, kWindowTimeoutMs))
        return failed("the game page did not draw in the game window");
    return game;
}

HWND LauncherSession::WaitForGameWindow(DWORD timeoutMs) const
{
    HWND game = nullptr;
    driver::WaitFor(
        [&] {
            for (HWND window : driver::TopLevelWindows(kWindowClass, kGameCaption, m_process.id)) {
                if (window != m_login && driver::IsVisible(window))
                    game = window;
            }
            return game != nullptr;
        },
        timeoutMs);
    return game;
}

std::vector<HWND> LauncherSession::GameWindows() const
{
    std::vector<HWND> games;
    for (HWND window : driver::TopLevelWindows(kWindowClass, kGameCaption, m_process.id)) {
        if (window != m_login)
            games.push_back(window);
    }
    return games;
}

size_t LauncherSession::CountGameWindows() const
{
    return GameWindows().size();
}

bool LauncherSession::LoginWindowsVisible() const
{
    return driver::IsVisible(m_login) && driver::IsVisible(m_loginBrowser);
}

bool LauncherSession::LoginWindowsHidden() const
{
    return IsWindow(m_login) && !driver::IsVisible(m_login) && !driver::IsVisible(m_loginBrowser);
}

bool LauncherSession::HasEnded(DWORD* exitCode) const
{
    if (WaitForSingleObject(m_process.handle, 0) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(m_process.handle, exitCode);
    return true;
}

std::string LauncherSession::WhatShows() const
{
    if (!m_process.handle)
        return "the launcher could not be started";
    DWORD exitCode = 0;
    if (HasEnded(&exitCode))
        return "the launcher has ended (exit code " + std::to_string(exitCode) + ")";
    const std::vector<HWND> games = GameWindows();
    std::string shows = std::to_string(games.size()) + " game window" + (games.size() == 1 ? "" : "s");
    for (HWND game : games)
        shows += " (" + Shown(game) + ", " + PageIn(game) + ")";
    shows += "; login window " + Shown(m_login) + ", login browser window " + Shown(m_loginBrowser) + " (" +
             PageIn(m_loginBrowser) + ")";
    return shows;
}

bool LauncherSession::EndsWith(DWORD expectedExitCode, DWORD* exitCode)
{
    DWORD code = 0;
    const bool ended = driver::WaitForExit(m_process, kExitTimeoutMs, &code);
    if (exitCode)
        *exitCode = code;
    return ended && code == expectedExitCode;
}

bool LauncherSession::ClickLoginCloseButton()
{
    if (!driver::BringToForeground(m_login))
        return false;
    driver::ClickInWindow(m_login, AtClientScale(m_login, kLoginCloseButton, kLoginWindowSize));
    return driver::WaitFor([&] { return !IsWindow(m_login); }, kWindowTimeoutMs);
}

bool LauncherSession::EndsCleanly(DWORD* exitCode)
{
    const bool ended = EndsWith(0, exitCode);
    return NoLauncherProcessLeft() && ended;
}

}  // namespace launchertest
