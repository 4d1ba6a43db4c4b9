// Two hundred login, game page and close cycles in one launcher (Zarnith.exe
// under Wine against the demo site, driven with real input) while a busy
// process of this program's own runs on every core. Counts the hand-overs to
// the game window and the returns to the login windows that did not complete,
// and the clicks made more than once; prints the cycles run and the median and
// worst cycle time; ends with the login window's close button and whether the
// launcher then ended cleanly.
//
// A cycle that fails is described on one line; its game windows are closed
// through the system menu's close command and the bench waits for the login
// windows and page before it goes on, so that no later cycle starts from a
// state nobody looked at. After five failures in a row, or when the login
// windows cannot be brought back, no more cycles are run.
//
// ZARNITH_FLOW_CYCLES=<n> runs n cycles instead (a quick check).
#include "clock.h"
#include "figure.h"
#include "game_window.h"
#include "launcher_session.h"
#include "samples.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultCycles = 200;
constexpr int kMostCycles = 100000;
constexpr char kCyclesVariable[] = "ZARNITH_FLOW_CYCLES";
constexpr int kMostFailuresInARow = 5;
// scripts/bench ends a program after 1200 s. The cycles stop being started
// after this much, which leaves room for a last cycle that runs into every
// bound (about 130 s with its recovery) and for the start and the end.
constexpr double kCyclesBudgetMs = 840000;
// Time for a failed cycle's game window to go and the login windows and page
// to come back after the close command.
constexpr DWORD kRecoveryTimeoutMs = launchertest::kWindowTimeoutMs + launchertest::kPageTimeoutMs;
// Screenshots of the first failures only: enough to see what went wrong,
// without filling the temporary folder in a run that goes bad.
constexpr int kScreenshotsKept = 5;

// The role this program plays when started as load: "--busy <bench process id>".
constexpr char kBusyRole[] = "--busy";
// A busy process never outlives the longest run scripts/bench allows, and
// ends sooner when the bench's process has gone (killed by a timeout, say).
constexpr ULONGLONG kBusyLifetimeMs = 1200000;
constexpr ULONGLONG kBusyParentLookMs = 100;
// Arithmetic between two looks at the clock: short enough that the clock is
// read often, long enough that reading it costs nothing.
constexpr int kBusySpinsPerLook = 100000;

// Spins one core until the bench's process ends or the lifetime is over. The
// parent is looked at only now and then: under Wine a wait is a call to the
// Wine server, which the launcher needs too.
int Busy(DWORD benchProcessId)
{
    const HANDLE bench = OpenProcess(SYNCHRONIZE, FALSE, benchProcessId);
    if (!bench)
        return 0;
    const ULONGLONG start = GetTickCount64();
    ULONGLONG nextLook = start;
    volatile unsigned long long sink = 1;
    for (;;) {
        for (int i = 0; i < kBusySpinsPerLook; ++i)
            sink = sink * 6364136223846793005ULL + 1442695040888963407ULL;
        const ULONGLONG now = GetTickCount64();
        if (now - start >= kBusyLifetimeMs)
            break;
        if (now >= nextLook) {
            if (WaitForSingleObject(bench, 0) != WAIT_TIMEOUT)
                break;
            nextLook = now + kBusyParentLookMs;
        }
    }
    CloseHandle(bench);
    return 0;
}

std::wstring OwnPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// One busy process per processor, at normal priority, for as long as it lives.
class BusyProcesses {
public:
    explicit BusyProcesses(unsigned count) : m_startMs(NowMs())
    {
        const std::wstring arguments = L"--busy " + std::to_wstring(GetCurrentProcessId());
        const std::wstring self = OwnPath();
        for (unsigned i = 0; i < count; ++i) {
            const driver::Process busy = driver::StartProcess(self, arguments);
            if (busy.handle)
                m_processes.push_back(busy);
        }
    }
    ~BusyProcesses() { Stop(); }
    BusyProcesses(const BusyProcesses&) = delete;
    BusyProcesses& operator=(const BusyProcesses&) = delete;

    size_t Running() const { return m_processes.size(); }
    double ElapsedMs() const { return NowMs() - m_startMs; }
    double CpuTimeMs() const
    {
        double total = 0;
        for (const driver::Process& busy : m_processes)
            total += driver::CpuTimeMs(busy.id);
        return total;
    }
    void Stop()
    {
        for (driver::Process& busy : m_processes) {
            driver::KillProcess(busy);
            driver::CloseProcess(busy);
        }
        m_processes.clear();
    }

private:
    std::vector<driver::Process> m_processes;
    double m_startMs = 0;
};

unsigned ProcessorCount()
{
    SYSTEM_INFO system = {};
    GetSystemInfo(&system);
    return std::max<DWORD>(system.dwNumberOfProcessors, 1);
}

int CyclesToRun()
{
    const char* text = std::getenv(kCyclesVariable);
    if (!text || !*text)
        return kDefaultCycles;
    char* end = nullptr;
    const long asked = std::strtol(text, &end, 10);
    if (*end != '\0' || asked < 1) {
        std::printf("%s=%s is not a positive whole number; running %d cycles\n", kCyclesVariable, text,
                    kDefaultCycles);
        return kDefaultCycles;
    }
    return static_cast<int>(std::min<long>(asked, kMostCycles));
}

std::string Quoted(const std::wstring& text)
{
    return "\"" + launchertest::Utf8(text) + "\"";
}

bool LoginPageShown(const launchertest::LauncherSession& session)
{
    const HWND browser = launchertest::BrowserWindowIn(session.LoginBrowser());
    return browser && driver::WindowText(browser) == launchertest::kLoginPageTitle;
}

std::string SaveScreenshot(int cycle)
{
    return launchertest::Utf8(driver::SaveScreenshotInTempFolder(L"zarnith-flow-cycle" + std::to_wstring(cycle) + L".png"));
}

enum class Outcome { Completed, HandOverIncomplete, ReturnIncomplete };

struct Cycle {
    Outcome outcome = Outcome::Completed;
    // For a failed cycle: what did not happen and what was seen then.
    std::string failure;
    double ms = 0;
};

struct Counts {
    int run = 0;
    int handOversIncomplete = 0;
    int returnsIncomplete = 0;
    // Clicks sent, and the clicks the cycles' steps needed: one each.
    int clicksSent = 0;
    int clicksNeeded = 0;
    std::vector<double> completedMs;
    // Empty when every cycle asked for was run.
    std::string stoppedBecause;
};

// RunGameCycle's steps one by one, so that a hand-over and a return that did
// not complete are told apart; each click is made once.
Cycle RunCycle(launchertest::LauncherSession& session, int number, Counts& counts)
{
    using launchertest::kPageTimeoutMs;
    using launchertest::kWindowTimeoutMs;
    const std::wstring account = L"flow" + std::to_wstring(number);
    const double start = NowMs();

    // Clicks into the account field, types the account and presses Enter:
    // the login page's submit.
    session.LogInAs(account);
    ++counts.clicksSent;
    const HWND game = session.WaitForGameWindow();
    if (!game)
        return {Outcome::HandOverIncomplete,
                "no visible game window " + std::to_string(kWindowTimeoutMs / 1000) + " s after the login; " +
                    session.WhatShows()};
    const std::wstring gameTitle = launchertest::GamePageTitle(launchertest::kLoginServer, account);
    if (!launchertest::WaitForPageTitle(game, gameTitle))
        return {Outcome::HandOverIncomplete, "the game window did not show " + Quoted(gameTitle) + " within " +
                                                 std::to_string(kPageTimeoutMs / 1000) + " s; " + session.WhatShows()};

    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::Close);
    ++counts.clicksSent;
    if (!driver::WaitFor([&] { return !IsWindow(game); }, kWindowTimeoutMs))
        return {Outcome::ReturnIncomplete, "the game window stayed " + std::to_string(kWindowTimeoutMs / 1000) +
                                               " s after its close button's click; " + session.WhatShows()};
    if (!driver::WaitFor([&] { return session.LoginWindowsVisible(); }, kWindowTimeoutMs))
        return {Outcome::ReturnIncomplete, "the login windows were not both visible " +
                                               std::to_string(kWindowTimeoutMs / 1000) +
                                               " s after the game window went; " + session.WhatShows()};
    if (!launchertest::WaitForPageTitle(session.LoginBrowser(), launchertest::kLoginPageTitle))
        return {Outcome::ReturnIncomplete, "the login browser did not show the login page's title within " +
                                               std::to_string(kPageTimeoutMs / 1000) + " s; " + session.WhatShows()};
    return {Outcome::Completed, std::string(), NowMs() - start};
}

// Closes whatever game windows are left, with the system menu's close command
// rather than a click, and waits for the login windows with the login page.
// Windows that turn up late are closed too. Returns whether that state came.
bool BackToLogin(launchertest::LauncherSession& session, size_t* closed)
{
    std::set<HWND> asked;
    const bool back = driver::WaitFor(
        [&] {
            DWORD exitCode = 0;
            if (session.HasEnded(&exitCode))
                return false;
            const std::vector<HWND> games = session.GameWindows();
            for (HWND game : games) {
                if (asked.insert(game).second)
                    PostMessageW(game, WM_SYSCOMMAND, SC_CLOSE, 0);
            }
            return games.empty() && session.LoginWindowsVisible() && LoginPageShown(session);
        },
        kRecoveryTimeoutMs);
    *closed = asked.size();
    return back;
}

Counts RunCycles(launchertest::LauncherSession& session, int cyclesAsked)
{
    Counts counts;
    const double start = NowMs();
    int failuresInARow = 0;
    int screenshots = 0;
    for (int number = 1; number <= cyclesAsked; ++number) {
        if (NowMs() - start > kCyclesBudgetMs) {
            counts.stoppedBecause = "the cycles' time budget of " + FigureNumber(kCyclesBudgetMs / 1000) +
                                    " s was used up";
            break;
        }
        const Cycle cycle = RunCycle(session, number, counts);
        ++counts.run;
        counts.clicksNeeded += cycle.outcome == Outcome::HandOverIncomplete ? 1 : 2;
        if (cycle.outcome == Outcome::Completed) {
            counts.completedMs.push_back(cycle.ms);
            failuresInARow = 0;
            std::printf("cycle %d: %.0f ms\n", number, cycle.ms);
            continue;
        }

        const bool handOver = cycle.outcome == Outcome::HandOverIncomplete;
        if (handOver)
            ++counts.handOversIncomplete;
        else
            ++counts.returnsIncomplete;
        ++failuresInARow;
        std::string line = "cycle " + std::to_string(number) + ": " +
                           (handOver ? "hand-over incomplete: " : "return incomplete: ") + cycle.failure;
        if (screenshots < kScreenshotsKept) {
            ++screenshots;
            const std::string screenshot = SaveScreenshot(number);
            if (!screenshot.empty())
                line += " (the screen: " + screenshot + ")";
        }
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);

        size_t closed = 0;
        if (!BackToLogin(session, &closed)) {
            const std::string seen = session.WhatShows();
            counts.stoppedBecause = "after cycle " + std::to_string(number) +
                                    ", the login windows with the login page did not come back; " + seen;
            std::printf("cycle %d: not back at the login windows after closing %zu game window(s): %s\n", number,
                        closed, seen.c_str());
            break;
        }
        std::printf("cycle %d: back at the login windows after closing %zu game window(s)\n", number, closed);
        if (failuresInARow >= kMostFailuresInARow) {
            counts.stoppedBecause = std::to_string(kMostFailuresInARow) + " cycles in a row failed";
            break;
        }
    }
    std::fflush(stdout);
    return counts;
}

std::string Count(int value, const char* one, const char* many)
{
    return std::to_string(value) + " " + (value == 1 ? one : many);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], kBusyRole) == 0)
        return Busy(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));

    const int cyclesAsked = CyclesToRun();
    if (!driver::ProcessesNamed(launchertest::kExecutableName).empty()) {
        std::printf("a launcher is already running\n");
        return 1;
    }
    const unsigned processors = ProcessorCount();
    BusyProcesses load(processors);
    std::printf("load: %zu busy processes started for %u processors\n", load.Running(), processors);

    launchertest::LauncherSession session;
    if (!session.Site().IsListening()) {
        std::printf("the demo site's port %u is taken\n", launchertest::kSitePort);
        return 1;
    }
    if (!session.Start()) {
        std::printf("the launcher did not show its login page: %s\n", session.WhatShows().c_str());
        return 1;
    }

    const Counts counts = RunCycles(session, cyclesAsked);

    session.ClickLoginCloseButton();
    const bool clean = session.EndsCleanly();
    DWORD exitCode = 0;
    const bool ended = session.HasEnded(&exitCode);
    const size_t left = driver::ProcessesNamed(launchertest::kExecutableName).size();

    const double busyCpuMs = load.CpuTimeMs();
    const double loadMs = load.ElapsedMs();
    const size_t busyCount = load.Running();
    load.Stop();

    const std::string cycles = std::to_string(counts.run) + " login, game page and close cycles in one launcher";
    PrintFigure({"flow.cycles", static_cast<double>(counts.run), "count", std::nullopt, "",
                 cycles + " with a busy process on each core, of " + std::to_string(cyclesAsked) + " asked for; " +
                     std::to_string(counts.completedMs.size()) + " completed; " +
                     (counts.stoppedBecause.empty() ? "not stopped early"
                                                    : "stopped early: " + counts.stoppedBecause)});
    PrintFigure({"flow.handovers_incomplete", static_cast<double>(counts.handOversIncomplete), "count", std::nullopt,
                 "=0",
                 "of " + cycles + ": logins (the login page's submit) after which no visible game window showed the "
                                  "game page's title within 10 s for the window and 30 s for the title"});
    PrintFigure({"flow.returns_incomplete", static_cast<double>(counts.returnsIncomplete), "count", std::nullopt, "=0",
                 "of the same cycles: clicks on the game window's close button after which the game window did not "
                 "go within 10 s, both login windows did not show within 10 s more, or the login page's title within "
                 "30 s more"});
    PrintFigure({"flow.clicks_made_again", static_cast<double>(counts.clicksSent - counts.clicksNeeded), "count",
                 std::nullopt, "=0",
                 "clicks sent beyond one per step (the account field, the close button): " +
                     Count(counts.clicksSent, "click", "clicks") + " sent for " +
                     Count(counts.clicksNeeded, "step", "steps") +
                     "; no step here clicks again, a click without effect fails its cycle instead"});
    const std::string completed = "of the " + std::to_string(counts.completedMs.size()) +
                                  " completed cycles, from the login to the login page's title back";
    PrintFigure({"flow.cycle_median", Median(counts.completedMs), "ms", std::nullopt, "",
                 "time of a login, game page and close cycle under load, median " + completed});
    PrintFigure({"flow.cycle_worst", Worst(counts.completedMs), "ms", std::nullopt, "", "the same, worst " + completed});
    const std::string end = !ended ? "the launcher had not ended " + std::to_string(launchertest::kExitTimeoutMs / 1000) +
                                         " s after the login window's close button's click"
                                   : "the launcher ended with exit code " + std::to_string(exitCode);
    PrintFigure({"flow.ended_cleanly", clean ? 1.0 : 0.0, "bool", std::nullopt, "=1",
                 "after the cycles, one click on the login window's close button: " + end + ", " +
                     std::to_string(left) + " Zarnith.exe processes (the engine's included) left"});
    const double share = busyCount && loadMs > 0 ? busyCpuMs / (loadMs * static_cast<double>(busyCount)) : 0;
    PrintFigure({"flow.load", share, "x", std::nullopt, "",
                 busyCount ? "processor time of the " + std::to_string(busyCount) +
                                 " busy processes (one per core, normal priority) over their time running times " +
                                 std::to_string(busyCount) + ": " + FigureNumber(busyCpuMs) + " / " +
                                 FigureNumber(loadMs * static_cast<double>(busyCount)) + " ms"
                           : "no busy process could be started: the cycles ran without the added load"});
    return 0;
}
