// The launcher's start-up, memory and idle figures against the bare engine
// host (bare_engine_host.cpp). Both are started from here under the same Wine
// with the same engine switches and are shown the same login page, served
// here with a load-end beacon (load_beacon.h).
//
// - start-up: from just before the process is created to its first window
//   being visible (the launcher's login window, the host's plain window), and
//   to the login page's load end. The two are started in turns, one pair a
//   round (which one goes first alternates), and the figure is the median of
//   the rounds' ratios: the machine's load changes less within a pair.
// - memory: the private bytes of each one's own process (the engine's
//   sub-processes are not counted) with the login page shown, both running
//   side by side.
// - idle: the processor time each one's own process uses over the same 30 s
//   on the login page, with nothing happening.
#include "bare_engine_host.h"
#include "bench_folder.h"
#include "clock.h"
#include "driver.h"
#include "engine_program.h"
#include "figure.h"
#include "launcher_session.h"
#include "load_beacon.h"
#include "plain_browser_window.h"
#include "samples.h"

#include <windows.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 15;
constexpr double kStartTimeoutMs = 30000;
// How often a start is looked at; window searches cost the machine little.
constexpr DWORD kPollMs = 2;
// The engine keeps working for a while after a page's load end (its caches,
// its sub-processes' start-up); idle starts after this.
constexpr DWORD kSettleMs = 5000;
constexpr DWORD kIdleMs = 30000;
constexpr double kMegabyte = 1024.0 * 1024.0;
constexpr char kMemoryTarget[] = "<8";
constexpr char kStartUpTarget[] = "<=1.03";
constexpr char kIdleTarget[] = "<=0";

struct Host {
    std::wstring executable;
    std::wstring imageName;
    // The first window, once visible; null before.
    std::function<HWND(DWORD processId)> visibleWindow;
};

Host Launcher()
{
    return {launchertest::LauncherExecutable(), launchertest::kExecutableName, [](DWORD processId) {
                return launchertest::FindVisibleWindow(processId, launchertest::kGameCaption);
            }};
}

Host BareHost()
{
    return {BenchFolder() + L"\\" + kBareEngineHostExecutable, kBareEngineHostExecutable, [](DWORD processId) {
                const HWND window =
                    driver::FindTopLevelWindow(PlainBrowserWindow::kClassName, kBareEngineHostCaption, processId);
                return window && driver::IsVisible(window) ? window : nullptr;
            }};
}

struct StartTimes {
    double windowMs;
    double loadEndMs;
};

std::optional<StartTimes> TimeStart(const Host& host, const testsupport::HttpServer& site)
{
    const size_t endsBefore = LoadEnds(site).size();
    const double start = NowMs();
    driver::Process process = launchertest::StartEngineProgram(host.executable);
    std::optional<double> window;
    bool loaded = false;
    while (process.handle && (!window || !loaded) && NowMs() - start < kStartTimeoutMs) {
        if (!window && host.visibleWindow(process.id))
            window = NowMs() - start;
        loaded = LoadEnds(site).size() > endsBefore;
        if (!window || !loaded)
            Sleep(kPollMs);
    }
    const std::vector<double> ends = LoadEnds(site);
    if (!EndEngineProgram(process, host.imageName) || !window || ends.size() <= endsBefore)
        return std::nullopt;
    return StartTimes{*window, ends[endsBefore] - start};
}

// How far single rounds stray: their ratios' range and middle half.
std::string Spread(const std::vector<double>& ratios)
{
    return "rounds from " + FigureNumber(Quantile(ratios, 0)) + " to " + FigureNumber(Quantile(ratios, 1)) +
           " x, middle half " + FigureNumber(Quantile(ratios, 0.25)) + " to " + FigureNumber(Quantile(ratios, 0.75)) +
           " x";
}

bool MeasureStartUp(const Host& launcher, const Host& bare, const testsupport::HttpServer& site)
{
    // The first start of each reads the engine's files from disk: not counted.
    if (!TimeStart(launcher, site) || !TimeStart(bare, site)) {
        std::fprintf(stderr, "a warm-up start did not show its window and page\n");
        return false;
    }
    // Per host (0: launcher, 1: bare host), and the rounds' ratios.
    std::vector<double> windows[2];
    std::vector<double> loadEnds[2];
    std::vector<double> windowRatios;
    std::vector<double> loadEndRatios;
    const Host* hosts[2] = {&launcher, &bare};
    for (int round = 0; round < kRounds; ++round) {
        StartTimes times[2];
        for (int turn = 0; turn < 2; ++turn) {
            const int which = (round + turn) % 2;
            const std::optional<StartTimes> measured = TimeStart(*hosts[which], site);
            if (!measured) {
                std::fprintf(stderr, "start %d did not show its window and page\n", round + 1);
                return false;
            }
            std::printf("round %d, %s: window %.1f ms, load end %.1f ms\n", round + 1,
                        which == 0 ? "launcher" : "bare host", measured->windowMs, measured->loadEndMs);
            times[which] = *measured;
            windows[which].push_back(measured->windowMs);
            loadEnds[which].push_back(measured->loadEndMs);
        }
        windowRatios.push_back(times[0].windowMs / times[1].windowMs);
        loadEndRatios.push_back(times[0].loadEndMs / times[1].loadEndMs);
    }
    const std::string how = "launcher / bare host, median of " + std::to_string(kRounds) +
                            " rounds' ratios; median times ";
    PrintFigure({"startup.window", Median(windowRatios), "x", std::nullopt, kStartUpTarget,
                 "process start to the login window visible, " + how +
                     FigurePair(Median(windows[0]), Median(windows[1]), "ms") + "; " + Spread(windowRatios)});
    PrintFigure({"startup.load_end", Median(loadEndRatios), "x", std::nullopt, kStartUpTarget,
                 "process start to the login page's load end, " + how +
                     FigurePair(Median(loadEnds[0]), Median(loadEnds[1]), "ms") + "; " + Spread(loadEndRatios)});
    return true;
}

bool MeasureSideBySide(const Host& launcher, const Host& bare, const testsupport::HttpServer& site)
{
    const size_t endsBefore = LoadEnds(site).size();
    driver::Process processes[2] = {launchertest::StartEngineProgram(launcher.executable),
                                    launchertest::StartEngineProgram(bare.executable)};
    const bool loaded = driver::WaitFor([&] { return LoadEnds(site).size() >= endsBefore + 2; },
                                        static_cast<DWORD>(kStartTimeoutMs));
    bool measured = false;
    if (loaded) {
        Sleep(kSettleMs);
        // The thread that owns the windows, apart from the engine's.
        const DWORD mainThreads[2] = {
            GetWindowThreadProcessId(launcher.visibleWindow(processes[0].id), nullptr),
            GetWindowThreadProcessId(bare.visibleWindow(processes[1].id), nullptr)};
        double cpuBefore[2];
        double mainBefore[2];
        for (int i = 0; i < 2; ++i) {
            cpuBefore[i] = driver::CpuTimeMs(processes[i].id);
            mainBefore[i] = driver::ThreadCpuTimeMs(processes[i].id, mainThreads[i]);
        }
        Sleep(kIdleMs);
        double cpu[2];
        double mainCpu[2];
        for (int i = 0; i < 2; ++i) {
            cpu[i] = driver::CpuTimeMs(processes[i].id) - cpuBefore[i];
            mainCpu[i] = driver::ThreadCpuTimeMs(processes[i].id, mainThreads[i]) - mainBefore[i];
        }
        const double megabytes[2] = {driver::PrivateBytes(processes[0].handle) / kMegabyte,
                                     driver::PrivateBytes(processes[1].handle) / kMegabyte};
        measured = megabytes[0] > 0 && megabytes[1] > 0;
        PrintFigure({"memory.private_over_bare", megabytes[0] - megabytes[1], "MB", std::nullopt, kMemoryTarget,
                     "private bytes of the launcher's process with the login page shown, minus the bare host's: " +
                         FigurePair(megabytes[0], megabytes[1], "MB")});
        PrintFigure({"idle.cpu_over_bare", cpu[0] - cpu[1], "ms", std::nullopt, kIdleTarget,
                     "processor time of the launcher's process over " + std::to_string(kIdleMs / 1000) +
                         " s on the login page, minus the bare host's over the same time: " +
                         FigurePair(cpu[0], cpu[1], "ms") + " (of which the thread of the windows " +
                         FigurePair(mainCpu[0], mainCpu[1], "ms") + ")"});
    } else {
        std::fprintf(stderr, "the launcher and the bare host did not both load the login page\n");
    }
    const bool ended =
        EndEngineProgram(processes[0], launcher.imageName) && EndEngineProgram(processes[1], bare.imageName);
    return measured && ended;
}

}  // namespace

int main()
{
    testsupport::HttpServer& site = launchertest::ServeDemoSite();
    if (!site.IsListening() || !ServeLoginPageWithLoadBeacon(site)) {
        std::fprintf(stderr, "cannot serve the login page on port %u\n", launchertest::kSitePort);
        return 1;
    }
    const Host launcher = Launcher();
    const Host bare = BareHost();
    if (!driver::ProcessesNamed(launcher.imageName.c_str()).empty()) {
        std::fprintf(stderr, "a launcher is already running\n");
        return 1;
    }
    return MeasureStartUp(launcher, bare, site) && MeasureSideBySide(launcher, bare, site) ? 0 : 1;
}
