// The soak: fifty cycles of login, game page, full screen, boss key and close
// in one Zarnith.exe under Wine, driven with real input (tests/app/
// soak_cycle.h; the suite's soak_test plays the same and asserts). Prints what
// the launcher's process holds after each cycle, then how much that grew
// after the warm-up cycles, and what is left of the launcher after the login
// window's close.
#include "driver.h"
#include "figure.h"
#include "launcher_session.h"
#include "soak_cycle.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr char kProcessesLeftTarget[] = "=0";

std::string Slack(double slack)
{
    return "<=" + FigureNumber(slack);
}

void PrintGrowth(const std::vector<launchertest::ResourceSample>& samples)
{
    const launchertest::Growth growth = launchertest::GrowthAfterWarmUp(samples);
    const std::string span = std::to_string(launchertest::kSoakSpanCycles);
    const std::string after = "after each cycle, median of the last " + span + " cycles minus median of the " + span +
                              " after " + std::to_string(launchertest::kSoakWarmUpCycles) + " warm-up cycles: " +
                              launchertest::Describe(growth.last) + " against " +
                              launchertest::Describe(growth.settled);
    PrintFigure({"soak.gdi_growth", static_cast<double>(growth.gdiObjects), "count", std::nullopt,
                 Slack(launchertest::kSoakGdiSlack), "GDI objects of the launcher's process " + after});
    PrintFigure({"soak.user_growth", static_cast<double>(growth.userObjects), "count", std::nullopt,
                 Slack(launchertest::kSoakUserSlack),
                 "USER objects of the launcher's process (under Wine: its windows), the same"});
    PrintFigure({"soak.private_growth", growth.privateMb, "MB", std::nullopt,
                 Slack(launchertest::kSoakPrivateSlackMb), "private bytes of the launcher's process, the same"});
}

}  // namespace

int main()
{
    if (!driver::ProcessesNamed(launchertest::kExecutableName).empty()) {
        std::fprintf(stderr, "a launcher is already running\n");
        return 1;
    }
    launchertest::DefaultHotKeysFile hotKeys;
    launchertest::LauncherSession session;
    if (!session.Site().IsListening() || !session.Start()) {
        std::fprintf(stderr, "the launcher did not show its login page\n");
        return 1;
    }
    std::vector<launchertest::ResourceSample> samples;
    std::string failed;
    double slowestClickMs = 0;
    int clicksMadeAgain = 0;
    for (int cycle = 1; cycle <= launchertest::kSoakCycles && failed.empty(); ++cycle) {
        const launchertest::CycleResult played = launchertest::PlayCycle(
            session, L"soak" + std::to_wstring(cycle), launchertest::BossKeyOfCycle(cycle));
        slowestClickMs = std::max(slowestClickMs, played.slowestClickMs);
        clicksMadeAgain += played.clicksMadeAgain;
        failed = played.failure;
        if (!failed.empty()) {
            std::printf("cycle %d: %s\n", cycle, failed.c_str());
            break;
        }
        samples.push_back(launchertest::SampleResources(session.Process()));
        std::printf("cycle %d: %s\n", cycle, launchertest::Describe(samples.back()).c_str());
    }
    PrintFigure({"soak.cycles", static_cast<double>(samples.size()), "count", std::nullopt,
                 ">=" + std::to_string(launchertest::kSoakCycles),
                 "cycles of login, game page, full screen, boss key and close completed in one process"});
    PrintFigure({"soak.slowest_click", slowestClickMs, "ms", std::nullopt, "",
                 "the longest time from a click on the game window's top bar to its effect"});
    PrintFigure({"soak.clicks_made_again", static_cast<double>(clicksMadeAgain), "count", std::nullopt, "",
                 "clicks on the game window's top bar that had no effect within 10 s and were made again"});
    if (samples.size() >= static_cast<size_t>(launchertest::kSoakWarmUpCycles + launchertest::kSoakSpanCycles))
        PrintGrowth(samples);

    session.ClickLoginCloseButton();
    DWORD exitCode = 1;
    const bool ended = driver::WaitForExit(session.Process(), launchertest::kExitTimeoutMs, &exitCode);
    launchertest::NoLauncherProcessLeft();
    const size_t left = driver::ProcessesNamed(launchertest::kExecutableName).size();
    PrintFigure({"soak.processes_left", static_cast<double>(left), "count", std::nullopt, kProcessesLeftTarget,
                 "Zarnith.exe processes (the engine's included) after the login window's close; the launcher " +
                     std::string(ended ? "ended with exit code " + std::to_string(exitCode) : "did not end")});
    return failed.empty() && ended && exitCode == 0 && left == 0 ? 0 : 1;
}
