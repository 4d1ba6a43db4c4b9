// Twenty login, game and close cycles in one launcher: it keeps working, and
// what it holds settles instead of growing with each cycle (the benchmark
// bench/game_cycles_bench prints the figures).
#include "game_cycles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kCycles = 20;
constexpr size_t kCompared = 5;
// Generous bounds for the last five cycles' means against the first five's:
// a game window or browser kept by every cycle would pass them by far.
constexpr double kMostGdiGrowth = 1.10;
constexpr double kMostUserGrowth = 1.05;
constexpr double kMostPrivateGrowth = 1.10;

TEST(GameCycles, TwentyLoginGameAndCloseCyclesLeaveTheLauncherWorkingAndItsHoldingsSettled)
{
    ASSERT_TRUE(driver::ProcessesNamed(launchertest::kExecutableName).empty()) << "a launcher is already running";
    launchertest::LauncherSession session;
    ASSERT_TRUE(session.Site().IsListening()) << "the demo site's port is taken";
    ASSERT_TRUE(session.Start());
    const HANDLE launcher = session.Process().handle;

    std::vector<launchertest::HeldFigures> cycles;
    for (int cycle = 1; cycle <= kCycles; ++cycle) {
        const std::string problem = launchertest::RunGameCycle(session, L"cycle" + std::to_wstring(cycle));
        ASSERT_EQ(problem, "") << "cycle " << cycle;
        cycles.push_back(launchertest::SettledFiguresOf(launcher));
        EXPECT_TRUE(cycles.back().settled) << "cycle " << cycle << ": the launcher's objects kept changing (GDI "
                                           << cycles.back().gdiObjects << ", USER " << cycles.back().userObjects << ")";
    }

    const launchertest::SettlingRatios ratios = launchertest::LastToFirstRatios(cycles, kCompared);
    EXPECT_GT(ratios.gdiObjects, 0);
    EXPECT_LE(ratios.gdiObjects, kMostGdiGrowth);
    EXPECT_GT(ratios.userObjects, 0);
    EXPECT_LE(ratios.userObjects, kMostUserGrowth);
    EXPECT_GT(ratios.privateBytes, 0);
    EXPECT_LE(ratios.privateBytes, kMostPrivateGrowth);

    ASSERT_TRUE(session.ClickLoginCloseButton()) << "the login window stayed";
    DWORD exitCode = 1;
    EXPECT_TRUE(session.EndsCleanly(&exitCode)) << "exit code " << exitCode;
}

}  // namespace
