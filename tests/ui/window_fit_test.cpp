// Where windows go on monitors of several sizes and places: the game window
// opening, a window brought back after its monitor has gone, and the choice
// of the monitor for it.
#include "rect_printing.h"
#include "toolkit/dpi.h"
#include "ui/game_layout.h"
#include "ui/window_fit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The skin's minimum size of the game window.
constexpr SIZE kMinimum = {800, 480};

// Two monitors side by side, the second to the right and taller, each with
// a taskbar 40 high at its bottom.
const RECT kLeftWork = {0, 0, 1366, 728};
const RECT kRightWork = {1366, 0, 2646, 984};

TEST(GameWindowRect, KeepsTheCentringByRightAndBottomEdgesWhereTheWindowFits)
{
    EXPECT_EQ(GameWindowRect({0, 0, 1920, 1040}, kGameWindowSize, kMinimum), (RECT{335, 170, 335 + 1250, 170 + 700}));
    // 1366 x 768 with a taskbar of 40 at the bottom.
    EXPECT_EQ(GameWindowRect(kLeftWork, kGameWindowSize, kMinimum), (RECT{58, 14, 58 + 1250, 14 + 700}));
}

TEST(GameWindowRect, IsCentredInTheWorkAreaOfAMonitorAwayFromTheOrigin)
{
    // Centred by the edges alone it would start left of this monitor.
    EXPECT_EQ(GameWindowRect(kRightWork, kGameWindowSize, kMinimum), (RECT{1381, 142, 1381 + 1250, 142 + 700}));
    // A taskbar at the top: centred below it, not under it.
    EXPECT_EQ(GameWindowRect({0, 40, 1366, 768}, kGameWindowSize, kMinimum), (RECT{58, 54, 58 + 1250, 54 + 700}));
}

TEST(GameWindowRect, ShrinksToASmallerWorkAreaButNotBelowTheMinimum)
{
    EXPECT_EQ(GameWindowRect({0, 0, 1023, 697}, kGameWindowSize, kMinimum), (RECT{0, 0, 1023, 697}));
    EXPECT_EQ(GameWindowRect({0, 0, 1024, 600}, kGameWindowSize, kMinimum), (RECT{0, 0, 1024, 600}));
    // Only one way too small: the other keeps the full size, centred.
    EXPECT_EQ(GameWindowRect({0, 0, 1920, 650}, kGameWindowSize, kMinimum), (RECT{335, 0, 335 + 1250, 650}));
    // Smaller than the minimum: the minimum, from the work area's top left,
    // where the caption and the buttons' row begin.
    EXPECT_EQ(GameWindowRect({100, 20, 740, 500}, kGameWindowSize, kMinimum), (RECT{100, 20, 900, 500}));
}

TEST(GameWindowRect, PlacesAWindowScaledToTheDpi)
{
    // 1250 x 700 at 150 %: 1875 x 1050, with a minimum of 1200 x 720.
    const SIZE window = ScaleToDpi(kGameWindowSize, 144);
    const SIZE minimum = ScaleToDpi(kMinimum, 144);
    EXPECT_EQ(GameWindowRect({0, 0, 2560, 1560}, window, minimum), (RECT{342, 255, 342 + 1875, 255 + 1050}));
    // A 1920 x 1040 work area is too low for it: as high as the work area, centred across.
    EXPECT_EQ(GameWindowRect({0, 0, 1920, 1040}, window, minimum), (RECT{22, 0, 22 + 1875, 1040}));
}

TEST(FitInside, MovesAWindowIntoTheWorkAreaAndShrinksItOnlyWhereItMust)
{
    EXPECT_EQ(FitInside({100, 100, 900, 700}, kLeftWork, kMinimum), (RECT{100, 100, 900, 700}));
    EXPECT_EQ(FitInside({1000, 500, 1800, 1100}, kLeftWork, kMinimum), (RECT{566, 128, 1366, 728}));
    EXPECT_EQ(FitInside({-300, -50, 500, 550}, kLeftWork, kMinimum), (RECT{0, 0, 800, 600}));
    EXPECT_EQ(FitInside({2000, 100, 3300, 1200}, kRightWork, kMinimum), (RECT{1366, 0, 2646, 984}));
    EXPECT_EQ(FitInside({0, 0, 1250, 700}, {0, 0, 640, 400}, kMinimum), (RECT{0, 0, 800, 480}));
}

TEST(NearestArea, IsTheMonitorTheWindowLiesOnMostElseTheClosest)
{
    const std::vector<RECT> both = {kLeftWork, kRightWork};
    EXPECT_EQ(NearestArea(both, {100, 100, 900, 700}), 0);
    EXPECT_EQ(NearestArea(both, {1800, 100, 2600, 700}), 1);
    // Across the seam, more on the right one.
    EXPECT_EQ(NearestArea(both, {1000, 100, 2000, 700}), 1);
    // Below the left one's work area, closer to it than to the right one.
    EXPECT_EQ(NearestArea(both, {100, 800, 900, 1400}), 0);
    // The right monitor gone: a window that was on it goes to the left one.
    const RECT wasOnRight = {1800, 100, 2600, 700};
    const std::vector<RECT> leftOnly = {kLeftWork};
    EXPECT_FALSE(OverlapsAny(leftOnly, wasOnRight));
    EXPECT_TRUE(OverlapsAny(both, wasOnRight));
    EXPECT_EQ(NearestArea(leftOnly, wasOnRight), 0);
    EXPECT_EQ(FitInside(wasOnRight, leftOnly[0], kMinimum), (RECT{566, 100, 1366, 700}));
    EXPECT_EQ(NearestArea({}, wasOnRight), -1);
}

}  // namespace
