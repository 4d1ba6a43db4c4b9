// The hand-over from the login page to the game window, timed inside a
// process that runs the launcher's own windows (ui/ and browser/, created
// here as app/launcher_app.cpp creates them) on the engine, with the demo site served
// from this process and logins typed with real input by a driving thread.
//
// Why inside: the interval starts when the engine reports the "client=2"
// navigation to the launcher's client, which nothing outside the process can
// see. The login client posts the address to the login window as the engine
// reports it; here the login window is the launcher's own (TimedLoginWindow),
// which starts a stopwatch at that post's time, and the stopwatch stops at
// the end of the game window's first paint with the window visible
// (FirstPaintStopwatch). To the millisecond of the system's tick count.
//
// The baseline, in the same run first: the same steps with plain windows
// (PlainHandOver), timed the same way.
#include "driver.h"
#include "figure.h"
#include "first_paint_stopwatch.h"
#include "game_window.h"
#include "hand_over_times.h"
#include "launcher_session.h"
#include "load_beacon.h"
#include "plain_hand_over.h"
#include "samples.h"
#include "timed_login_window.h"

#include "browser/engine_settings.h"
#include "browser/simple_app.h"
#include "engine/cef_app.h"
#include "toolkit/paint_manager.h"
#include "ui/branding.h"
#include "ui/form_login.h"
#include "settings/publisher_site.h"

#include <objbase.h>
#include <ole2.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kHandOvers = 20;
// Within one frame at 60 Hz, and at most twice what plain windows take.
constexpr char kMedianTarget[] = "<16";
constexpr char kOverPlainTarget[] = "<=2.00";
constexpr DWORD kPageTimeoutMs = 30000;
constexpr DWORD kWindowTimeoutMs = 10000;
// As app/launcher_app.cpp creates the login window.
constexpr wchar_t kSkinFolderName[] = L"skin";
constexpr DWORD kLoginWindowStyle = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
constexpr DWORD kLoginWindowExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;

// What the driving thread needs of one side's windows.
struct Side {
    const char* name;
    std::function<HWND()> loginBrowserHost;  // null while hidden
    std::function<HWND()> visibleGameWindow;
    std::function<void(HWND game)> closeGame;
};

bool Fail(const char* side, int round, const char* what)
{
    std::fprintf(stderr, "%s, hand-over %d: %s\n", side, round, what);
    return false;
}

// Logs in, waits for the game window and its page, closes it; kHandOvers times.
bool DriveHandOvers(const Side& side, const HandOverTimes& times, const testsupport::HttpServer& site)
{
    // The first login page of this side loads after this.
    const size_t loadsBefore = LoadEnds(site).size();
    for (int round = 1; round <= kHandOvers; ++round) {
        HWND loginHost = nullptr;
        const auto shown = [&] {
            return (loginHost = side.loginBrowserHost()) && LoadEnds(site).size() > loadsBefore &&
                   LoginPageLoaded(site);
        };
        if (!driver::WaitFor(shown, kPageTimeoutMs))
            return Fail(side.name, round, "the login page was not shown");
        const size_t before = times.Count();
        const std::wstring account = L"bench" + std::to_wstring(round);
        launchertest::LogInWithInput(loginHost, account);
        HWND game = nullptr;
        if (!driver::WaitFor([&] { return times.Count() > before && (game = side.visibleGameWindow()); },
                             kWindowTimeoutMs))
            return Fail(side.name, round, "no game window shown and painted");
        // As a player does, the game page is let load before the window is
        // closed: after game windows closed while their page was still
        // loading, the login page has stopped reacting to logins under Wine
        // (within a few hand-overs, with plain windows as with the launcher's).
        if (!launchertest::WaitForPageTitle(game, launchertest::GamePageTitle(launchertest::kLoginServer, account)))
            return Fail(side.name, round, "the game page was not shown");
        side.closeGame(game);
        if (!driver::WaitFor([&] { return !IsWindow(game); }, kWindowTimeoutMs))
            return Fail(side.name, round, "the game window stayed");
    }
    return true;
}

void RunMessageLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The plain windows on the launcher's login page.
bool MeasurePlain(HandOverTimes& times, const testsupport::HttpServer& site)
{
    FirstPaintStopwatch stopwatch(times, [](HWND window) {
        return driver::WindowClass(window) == PlainBrowserWindow::kClassName &&
               driver::WindowText(window) == PlainHandOver::kGameCaption;
    });
    PlainHandOver plain(stopwatch, LoginPageAddress());
    const Side side = {"plain windows",
                       [&] { return IsWindowVisible(plain.LoginWindow()) ? plain.LoginWindow() : nullptr; },
                       [] {
                           const HWND game = driver::FindTopLevelWindow(
                               PlainBrowserWindow::kClassName, PlainHandOver::kGameCaption, GetCurrentProcessId());
                           return game && driver::IsVisible(game) ? game : nullptr;
                       },
                       [](HWND game) { PostMessageW(game, WM_CLOSE, 0, 0); }};
    std::atomic<bool> done{false};
    const DWORD mainThread = GetCurrentThreadId();
    std::thread driving([&] {
        done = DriveHandOvers(side, times, site);
        PostThreadMessageW(mainThread, WM_QUIT, 0, 0);
    });
    RunMessageLoop();
    driving.join();
    return done;
}

// The launcher's login window, once created; read by the driving thread.
std::atomic<HWND> g_loginWindow{nullptr};

HWND LauncherGameWindow()
{
    for (HWND window : driver::TopLevelWindows(launchertest::kWindowClass, launchertest::kGameCaption,
                                               GetCurrentProcessId()))
        if (window != g_loginWindow && driver::IsVisible(window))
            return window;
    return nullptr;
}

// The launcher's login phase as app/launcher_app.cpp runs it, with the timed client,
// up to its end (as when the system closes the login window).
bool MeasureLauncher(HandOverTimes& times, const testsupport::HttpServer& site)
{
    const Side side = {"launcher",
                       [] {
                           return IsWindowVisible(g_loginWindow)
                                      ? launchertest::FindVisibleWindow(GetCurrentProcessId(),
                                                                        launchertest::kLoginBrowserCaption)
                                      : nullptr;
                       },
                       LauncherGameWindow,
                       [](HWND game) { launchertest::ClickTopBarButton(game, launchertest::TopBarButton::Close); }};
    std::atomic<bool> done{false};
    std::thread driving([&] {
        driver::WaitFor([] { return g_loginWindow != nullptr; }, kWindowTimeoutMs);
        done = DriveHandOvers(side, times, site);
        PostMessageW(g_loginWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    CPaintManagerUI::SetInstance(GetModuleHandleW(nullptr));
    CPaintManagerUI::SetResourcePath(CPaintManagerUI::GetInstancePath() + kSkinFolderName);
    FirstPaintStopwatch stopwatch(times, [](HWND window) {
        return window != g_loginWindow && driver::WindowClass(window) == launchertest::kWindowClass &&
               driver::WindowText(window) == launchertest::kGameCaption;
    });
    TimedLoginWindow loginWindow(stopwatch);
    g_loginWindow = loginWindow.Create(nullptr, kGameTitle, kLoginWindowStyle, kLoginWindowExStyle, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr);
    loginWindow.ShowModal();
    driving.join();
    return done;
}

void PrintFigures(const std::vector<double>& launcher, const std::vector<double>& plain)
{
    const std::string count = std::to_string(kHandOvers);
    PrintFigure({"handover.median", Median(launcher), "ms", Median(plain), kMedianTarget,
                 "the engine's report of the \"client=2\" navigation to the game window shown and painted, median of " +
                     count + " hand-overs; baseline: the same steps with plain windows"});
    PrintFigure({"handover.over_plain", Median(launcher) / Median(plain), "x", std::nullopt, kOverPlainTarget,
                 "the median over the plain windows' median"});
    PrintFigure({"handover.worst", Worst(launcher), "ms", Worst(plain), "", "the same, worst of " + count});
}

}  // namespace

int main()
{
    CoInitialize(nullptr);
    OleInitialize(nullptr);
    const CefMainArgs mainArgs(GetModuleHandleW(nullptr));
    CefRefPtr<SimpleApp> app(new SimpleApp);
    const int subProcessExitCode = CefExecuteProcess(mainArgs, app.get(), nullptr);
    if (subProcessExitCode >= 0)
        return subProcessExitCode;

    testsupport::HttpServer& site = launchertest::ServeDemoSite();
    if (!site.IsListening() || !ServeLoginPageWithLoadBeacon(site)) {
        std::fprintf(stderr, "cannot serve the login page on port %u\n", launchertest::kSitePort);
        return 1;
    }
    CefInitialize(mainArgs, LauncherEngineSettings(), app.get(), nullptr);
    HandOverTimes plainTimes;
    HandOverTimes launcherTimes;
    const bool measured = MeasurePlain(plainTimes, site) && MeasureLauncher(launcherTimes, site);
    if (measured)
        PrintFigures(launcherTimes.Samples(), plainTimes.Samples());
    CoUninitialize();
    CefShutdown();
    return measured ? 0 : 1;
}
