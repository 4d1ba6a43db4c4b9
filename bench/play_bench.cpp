// What the player waits for and what the game costs while it is played, in
// Zarnith.exe against the bare engine host (bare_engine_host.h), all shown the
// demo site's login and game pages, the game page with a load-end beacon.
//
// - wait: from the login form's submit (the demo login page reports it to the
//   site, which stamps its arrival) to the game page's first paint in the game
//   window (the bench watches the screen for the page's own text) and
//   to the game page's load end. The baseline is the bare host opening the game
//   in a new plain window with a new browser (kBareEngineHostNewWindowSwitch),
//   the least the launcher's design must do; the bare host navigating its one
//   browser in place is printed beside it. The three start in turns each round
//   (which one goes first rotates); the figures are medians of the rounds'
//   ratios. Until the page paints, the bench also notes whether the game
//   window's page area showed white, and in which window, and saves a screenshot.
// - memory during play: the private bytes of every process of each (the
//   engine's sub-processes too) with the game page shown, the launcher's login
//   page hidden behind it, against the bare host showing the game page in place.
// - idle during play: the processor time of all those processes over the same
//   30 s with the game page shown and no input.
#include "bare_engine_host.h"
#include "bench_folder.h"
#include "clock.h"
#include "driver.h"
#include "engine_program.h"
#include "game_window.h"
#include "figure.h"
#include "launcher_session.h"
#include "load_beacon.h"
#include "plain_browser_window.h"
#include "samples.h"
#include "settings/publisher_site.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 9;
constexpr wchar_t kAccount[] = L"bench";
// The game address the demo login page navigates to for kAccount on its default server.
constexpr char kGamePagePath[] = "/game/play.html?client=2&server=1&account=bench";
constexpr char kGameLoadEndPath[] = "/bench/game-load-end";
constexpr DWORD kWaitTimeoutMs = 30000;
// After the game page's load end, before the idle time is measured.
constexpr DWORD kSettleMs = 5000;
constexpr DWORD kIdleMs = 30000;
constexpr double kMegabyte = 1024.0 * 1024.0;
constexpr char kWaitTarget[] = "<=1.10";
constexpr char kWhiteTarget[] = "<=0";
// One tick of the system's 10-ms clock.
constexpr char kIdleTarget[] = "<=10";

struct Host {
    const char* name;
    std::wstring executable;
    std::wstring arguments;
    std::wstring imageName;
    // The visible window that hosts the login browser, or null.
    std::function<HWND(DWORD processId)> loginBrowserHost;
    // The game page's window: the login browser's host itself, or a new
    // top-level window of this class and caption.
    bool gameInPlace = false;
    const wchar_t* gameClass = nullptr;
    const wchar_t* gameCaption = nullptr;
};

HWND VisiblePlainWindow(DWORD processId, const wchar_t* caption)
{
    const HWND window = driver::FindTopLevelWindow(PlainBrowserWindow::kClassName, caption, processId);
    return window && driver::IsVisible(window) ? window : nullptr;
}

Host Launcher()
{
    Host host = {"launcher", launchertest::LauncherExecutable(), L"", launchertest::kExecutableName,
                 [](DWORD processId) {
                     return launchertest::FindVisibleWindow(processId, launchertest::kLoginBrowserCaption);
                 }};
    host.gameClass = launchertest::kWindowClass;
    host.gameCaption = launchertest::kGameCaption;
    return host;
}

Host BareHost(bool newWindow)
{
    Host host = {newWindow ? "bare host, new window" : "bare host in place",
                 BenchFolder() + L"\\" + kBareEngineHostExecutable, newWindow ? kBareEngineHostNewWindowSwitch : L"",
                 kBareEngineHostExecutable,
                 [](DWORD processId) { return VisiblePlainWindow(processId, kBareEngineHostCaption); }};
    host.gameInPlace = !newWindow;
    host.gameClass = PlainBrowserWindow::kClassName;
    host.gameCaption = kBareEngineHostGameCaption;
    return host;
}

// The visible window that shows the game page, or null; shownBefore: the
// windows that were visible before the submit.
HWND GameWindow(const Host& host, DWORD processId, HWND loginBrowserHost, const std::vector<HWND>& shownBefore)
{
    if (host.gameInPlace)
        return loginBrowserHost;
    for (HWND window : driver::TopLevelWindows(host.gameClass, host.gameCaption, processId)) {
        if (driver::IsVisible(window) && std::find(shownBefore.begin(), shownBefore.end(), window) == shownBefore.end())
            return window;
    }
    return nullptr;
}

driver::Process Start(const Host& host)
{
    return driver::StartProcess(host.executable, launchertest::WineEngineSwitches() + L" " + host.arguments);
}

// Starts the host, waits for the login page, logs in with real input, and
// waits for the game page; the host is left running on it.
struct Play {
    driver::Process process;
    HWND login = nullptr;
    HWND game = nullptr;
    // The engine's sub-processes that ran before the submit (the login page's).
    std::set<DWORD> loginProcesses;
    double submitMs = 0;
    double firstPaintMs = 0;
    double loadEndMs = 0;
    bool sawWhite = false;
    // When white was first seen, after the game window was first seen, and where.
    double whiteAfterMs = 0;
    std::string whiteWindow;
};

std::optional<Play> StartAndPlay(const Host& host, const testsupport::HttpServer& site)
{
    Play play;
    const size_t loginEndsBefore = LoadEnds(site).size();
    play.process = Start(host);
    const auto failed = [&](const char* what) -> std::optional<Play> {
        std::fprintf(stderr, "%s: %s\n", host.name, what);
        EndEngineProgram(play.process, host.imageName);
        return std::nullopt;
    };
    if (!driver::WaitFor(
            [&] {
                play.login = host.loginBrowserHost(play.process.id);
                return play.login && LoadEnds(site).size() > loginEndsBefore;
            },
            kWaitTimeoutMs))
        return failed("the login page did not load");
    for (DWORD id : driver::ProcessesNamed(host.imageName.c_str()))
        play.loginProcesses.insert(id);
    std::vector<HWND> shownBefore;
    for (HWND window : driver::TopLevelWindows(nullptr, nullptr, play.process.id)) {
        if (driver::IsVisible(window))
            shownBefore.push_back(window);
    }
    const size_t submitsBefore = site.CountRequests(launchertest::kSubmitEvent);
    const size_t gameEndsBefore = ArrivalsMs(site, kGameLoadEndPath).size();
    const size_t focusBefore = site.CountRequests(launchertest::kFieldFocusEvent);
    if (!launchertest::LogInWithInput(play.login, kAccount,
                                      [&] { return site.CountRequests(launchertest::kFieldFocusEvent) > focusBefore; }))
        return failed("the account field did not take the focus");
    std::optional<double> firstPaint;
    std::optional<double> gameSeen;
    const bool played = driver::WaitFor(
        [&] {
            if (!firstPaint) {
                play.game = GameWindow(host, play.process.id, play.login, shownBefore);
                if (play.game) {
                    if (!gameSeen)
                        gameSeen = NowMs();
                    const launchertest::GamePageArea area = launchertest::LookAtGamePage(play.game);
                    if (area.painted)
                        firstPaint = NowMs();
                    if (area.white && !play.sawWhite) {
                        play.sawWhite = true;
                        play.whiteAfterMs = NowMs() - *gameSeen;
                        play.whiteWindow = area.whiteWindow;
                        driver::SaveScreenshotInTempFolder(L"zarnith-white-" + std::to_wstring(GetTickCount()) +
                                                           L".png");
                    }
                }
            }
            return firstPaint && ArrivalsMs(site, kGameLoadEndPath).size() > gameEndsBefore;
        },
        kWaitTimeoutMs);
    const std::vector<double> submits = ArrivalsMs(site, launchertest::kSubmitEvent);
    if (!played || submits.size() <= submitsBefore)
        return failed("the game page did not show after the submit");
    play.submitMs = submits[submitsBefore];
    play.firstPaintMs = *firstPaint - play.submitMs;
    play.loadEndMs = ArrivalsMs(site, kGameLoadEndPath)[gameEndsBefore] - play.submitMs;
    return play;
}

std::wstring Wide(const char* ascii)
{
    return std::wstring(ascii, ascii + strlen(ascii));
}

bool MeasureWait(const Host (&hosts)[3], const testsupport::HttpServer& site)
{
    // Per host (0: launcher, 1: bare host in a new window, 2: in place).
    std::vector<double> paints[3];
    std::vector<double> loadEnds[3];
    std::vector<double> paintRatios;
    std::vector<double> loadEndRatios;
    int whiteRounds = 0;
    // The first round reads the engine's files from disk: not counted.
    for (int round = 0; round <= kRounds; ++round) {
        Play plays[3];
        for (int turn = 0; turn < 3; ++turn) {
            const int which = (round + turn) % 3;
            std::optional<Play> play = StartAndPlay(hosts[which], site);
            if (!play || !EndEngineProgram(play->process, hosts[which].imageName))
                return false;
            std::printf("round %d, %s: first paint %.1f ms, load end %.1f ms after the submit", round,
                        hosts[which].name, play->firstPaintMs, play->loadEndMs);
            if (play->sawWhite)
                std::printf(", white before the page %.0f ms after its window showed, in %s", play->whiteAfterMs,
                            play->whiteWindow.c_str());
            std::printf("\n");
            plays[which] = *play;
        }
        if (round == 0)
            continue;
        for (int which = 0; which < 3; ++which) {
            paints[which].push_back(plays[which].firstPaintMs);
            loadEnds[which].push_back(plays[which].loadEndMs);
        }
        paintRatios.push_back(plays[0].firstPaintMs / plays[1].firstPaintMs);
        loadEndRatios.push_back(plays[0].loadEndMs / plays[1].loadEndMs);
        whiteRounds += plays[0].sawWhite ? 1 : 0;
    }
    const std::string how = "launcher / bare host opening a new window and browser, median of " +
                            std::to_string(kRounds) + " rounds' ratios; median times ";
    PrintFigure({"wait.first_paint", Median(paintRatios), "x", std::nullopt, kWaitTarget,
                 "the login form's submit to the game page's first paint in the game window, " + how +
                     FigurePair(Median(paints[0]), Median(paints[1]), "ms") + "; bare host navigating in place " +
                     FigureNumber(Median(paints[2])) + " ms"});
    PrintFigure({"wait.load_end", Median(loadEndRatios), "x", std::nullopt, kWaitTarget,
                 "the login form's submit to the game page's load end, " + how +
                     FigurePair(Median(loadEnds[0]), Median(loadEnds[1]), "ms") + "; bare host navigating in place " +
                     FigureNumber(Median(loadEnds[2])) + " ms"});
    PrintFigure({"wait.white_before_page", static_cast<double>(whiteRounds), "count", std::nullopt, kWhiteTarget,
                 "rounds of " + std::to_string(kRounds) +
                     " in which the launcher's game window showed white where the page paints, before it painted"});
    return true;
}

// One process of a host during play: what it holds, and the processor time it
// took over the idle time.
struct Holding {
    DWORD processId;
    double megabytes;
    double idleCpuMs;
    const char* what;
};

using ProcessorTimes = std::map<DWORD, double>;

ProcessorTimes ProcessorTimesMs(const Host& host)
{
    ProcessorTimes times;
    for (DWORD id : driver::ProcessesNamed(host.imageName.c_str()))
        times[id] = driver::CpuTimeMs(id);
    return times;
}

// Every process of the host with its private bytes and its processor time
// since `before` (all of it for a process started since), the one started first.
std::vector<Holding> Holdings(const Host& host, const Play& play, const ProcessorTimes& before)
{
    std::vector<Holding> holdings;
    for (const auto& [id, cpuMs] : ProcessorTimesMs(host)) {
        const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
        if (!process)
            continue;
        const char* what = id == play.process.id              ? "its own process"
                           : play.loginProcesses.count(id) != 0 ? "started with the login page"
                                                                : "started later";
        const auto earlier = before.find(id);
        const double idleCpuMs = cpuMs - (earlier == before.end() ? 0.0 : earlier->second);
        holdings.push_back({id, driver::PrivateBytes(process) / kMegabyte, idleCpuMs, what});
        CloseHandle(process);
    }
    const auto own = [&](const Holding& holding) { return holding.processId == play.process.id; };
    std::stable_partition(holdings.begin(), holdings.end(), own);
    return holdings;
}

double Total(const std::vector<Holding>& holdings, double Holding::*quantity)
{
    double total = 0;
    for (const Holding& holding : holdings)
        total += holding.*quantity;
    return total;
}

std::string Parts(const std::vector<Holding>& holdings, double Holding::*quantity)
{
    std::string parts;
    for (const Holding& holding : holdings)
        parts += (parts.empty() ? "" : ", ") + FigureNumber(holding.*quantity) + " " + holding.what;
    return parts;
}

// The bare host started on the game page, its browser at the given size.
std::optional<Play> StartOnGamePage(const Host& bare, SIZE size, const testsupport::HttpServer& site)
{
    Play play;
    const size_t endsBefore = ArrivalsMs(site, kGameLoadEndPath).size();
    Host onGame = bare;
    onGame.arguments = std::wstring(kBareEngineHostAddressSwitch) + L"=" + OfficialSiteAddress() + Wide(kGamePagePath) +
                       L" " + kBareEngineHostSizeSwitch + L"=" + std::to_wstring(size.cx) + L"x" +
                       std::to_wstring(size.cy);
    play.process = Start(onGame);
    if (!driver::WaitFor([&] { return ArrivalsMs(site, kGameLoadEndPath).size() > endsBefore; }, kWaitTimeoutMs)) {
        std::fprintf(stderr, "%s: the game page did not load\n", bare.name);
        EndEngineProgram(play.process, bare.imageName);
        return std::nullopt;
    }
    return play;
}

bool MeasurePlay(const Host& launcher, const Host& bare, const testsupport::HttpServer& site)
{
    std::optional<Play> plays[2] = {StartAndPlay(launcher, site), std::nullopt};
    if (plays[0]) {
        const RECT browser = driver::ClientRectOnScreen(launchertest::BrowserWindowIn(plays[0]->game));
        plays[1] = StartOnGamePage(bare, {browser.right - browser.left, browser.bottom - browser.top}, site);
    }
    bool measured = false;
    if (plays[0] && plays[1]) {
        Sleep(kSettleMs);
        const ProcessorTimes before[2] = {ProcessorTimesMs(launcher), ProcessorTimesMs(bare)};
        Sleep(kIdleMs);
        const std::vector<Holding> holdings[2] = {Holdings(launcher, *plays[0], before[0]),
                                                  Holdings(bare, *plays[1], before[1])};
        const double megabytes[2] = {Total(holdings[0], &Holding::megabytes), Total(holdings[1], &Holding::megabytes)};
        const double cpu[2] = {Total(holdings[0], &Holding::idleCpuMs), Total(holdings[1], &Holding::idleCpuMs)};
        measured = megabytes[0] > 0 && megabytes[1] > 0 && cpu[0] > 0 && cpu[1] > 0;
        PrintFigure({"play.memory_over_bare", megabytes[0] - megabytes[1], "MB", std::nullopt, "",
                     "private bytes of all the launcher's processes with the game page shown and the login page "
                     "hidden, minus the bare host's showing only the game page at the same size: " +
                         FigurePair(megabytes[0], megabytes[1], "MB") + "; launcher: " +
                         Parts(holdings[0], &Holding::megabytes) + "; bare host: " +
                         Parts(holdings[1], &Holding::megabytes)});
        PrintFigure({"play.idle_cpu_over_bare", cpu[0] - cpu[1], "ms", std::nullopt, kIdleTarget,
                     "processor time of all the launcher's processes over " + std::to_string(kIdleMs / 1000) +
                         " s with the game page shown and no input, minus the bare host's over the same time: " +
                         FigurePair(cpu[0], cpu[1], "ms") + "; launcher: " + Parts(holdings[0], &Holding::idleCpuMs) +
                         "; bare host: " + Parts(holdings[1], &Holding::idleCpuMs)});
    }
    bool ended = true;
    if (plays[0])
        ended = EndEngineProgram(plays[0]->process, launcher.imageName) && ended;
    if (plays[1])
        ended = EndEngineProgram(plays[1]->process, bare.imageName) && ended;
    return measured && ended;
}

}  // namespace

int main()
{
    testsupport::HttpServer& site = launchertest::ServeDemoSite();
    if (!site.IsListening() || !ServeLoginPageWithLoadBeacon(site) ||
        !ServePageWithLoadBeacon(site, kGamePagePath, kGameLoadEndPath)) {
        std::fprintf(stderr, "cannot serve the demo pages on port %u\n", launchertest::kSitePort);
        return 1;
    }
    const Host hosts[3] = {Launcher(), BareHost(true), BareHost(false)};
    if (!driver::ProcessesNamed(hosts[0].imageName.c_str()).empty()) {
        std::fprintf(stderr, "a launcher is already running\n");
        return 1;
    }
    const bool waited = MeasureWait(hosts, site);
    return waited && MeasurePlay(hosts[0], hosts[2], site) ? 0 : 1;
}
