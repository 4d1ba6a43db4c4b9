// Where the game window, its browser and the full-screen bar go.
#include "ui/full_screen_layout.h"
#include "ui/game_layout.h"

#include "toolkit/dpi.h"

#include <gtest/gtest.h>

namespace {

RECT WorkArea(LONG right, LONG bottom)
{
    return {0, 0, right, bottom};
}

void ExpectRect(const RECT& actual, LONG left, LONG top, LONG right, LONG bottom)
{
    EXPECT_EQ(actual.left, left);
    EXPECT_EQ(actual.top, top);
    EXPECT_EQ(actual.right, right);
    EXPECT_EQ(actual.bottom, bottom);
}

TEST(GameWindowPosition, CentresByTheWorkAreasRightAndBottomEdgesTruncatingTowardZero)
{
    const POINT usual = GameWindowPosition(WorkArea(1920, 1040), kGameWindowSize);
    EXPECT_EQ(usual.x, 335);
    EXPECT_EQ(usual.y, 170);
    // Narrower or lower than the window: negative, truncated toward zero.
    EXPECT_EQ(GameWindowPosition(WorkArea(1249, 700), kGameWindowSize).x, 0);
    EXPECT_EQ(GameWindowPosition(WorkArea(1247, 700), kGameWindowSize).x, -1);
    EXPECT_EQ(GameWindowPosition(WorkArea(1024, 768), kGameWindowSize).x, -113);
    EXPECT_EQ(GameWindowPosition(WorkArea(1024, 768), kGameWindowSize).y, 34);
    EXPECT_EQ(GameWindowPosition(WorkArea(1250, 697), kGameWindowSize).y, -1);
    // The work area's left and top edges play no part.
    const POINT shifted = GameWindowPosition({200, 100, 1920, 1040}, kGameWindowSize);
    EXPECT_EQ(shifted.x, 335);
    EXPECT_EQ(shifted.y, 170);
}

TEST(GameWindowPosition, CentresAWindowScaledToTheDpi)
{
    // 1250 x 700 at 150 %: 1875 x 1050 on a 2560 x 1600 screen.
    const POINT scaled = GameWindowPosition(WorkArea(2560, 1600), ScaleToDpi(kGameWindowSize, 144));
    EXPECT_EQ(scaled.x, 342);
    EXPECT_EQ(scaled.y, 275);
}

TEST(WindowedBrowserRect, LeavesTwoLeftThirtyTwoTopOneRightTwoBottom)
{
    ExpectRect(WindowedBrowserRect({1250, 700}, kSkinDpi), 2, 32, 2 + 1247, 32 + 666);
    ExpectRect(WindowedBrowserRect({1920, 1040}, kSkinDpi), 2, 32, 2 + 1917, 32 + 1006);
}

TEST(WindowedBrowserRect, ScalesTheTopBarAndMarginsWithTheDpi)
{
    // At 150 %: the bar 48, margins 3 left, 2 right (1.5 rounded), 3 bottom.
    ExpectRect(WindowedBrowserRect({1875, 1050}, 144), 3, 48, 1873, 1047);
    // At 200 %: all doubled.
    ExpectRect(WindowedBrowserRect({2500, 1400}, 192), 4, 64, 2498, 1396);
    // At 125 %: the bar 40, margins 3 (2.5 rounded up), 1, 3.
    ExpectRect(WindowedBrowserRect({1563, 875}, 120), 3, 40, 1562, 872);
}

TEST(FullScreenBar, StartsCentredAtTheTopOfItsMonitorFullyInView)
{
    EXPECT_EQ(FullScreenBarStart(WorkArea(1920, 1080), kFullScreenBarSize).x, 855);
    EXPECT_EQ(FullScreenBarStart(WorkArea(1920, 1080), kFullScreenBarSize).y, 0);
    EXPECT_EQ(FullScreenBarStart(WorkArea(1024, 600), kFullScreenBarSize).x, 407);
    EXPECT_EQ(FullScreenBarStart(WorkArea(1025, 600), kFullScreenBarSize).x, 407);
    // A second monitor to the right of a 1366-wide one, and one above the primary.
    EXPECT_EQ(FullScreenBarStart({1366, 0, 2646, 1024}, kFullScreenBarSize).x, 1901);
    EXPECT_EQ(FullScreenBarStart({1366, 0, 2646, 1024}, kFullScreenBarSize).y, 0);
    EXPECT_EQ(FullScreenBarStart({0, -1080, 1920, 0}, kFullScreenBarSize).y, -1080);
}

TEST(FullScreenBar, SlidesUpToItsLastPixelRowAndDownToMinusOne)
{
    ExpectRect(SlidBarRect(WorkArea(1920, 1040), BarSlide::Hide, kFullScreenBarSize), 855, -33, 1065, 1);
    ExpectRect(SlidBarRect(WorkArea(1920, 1040), BarSlide::Reveal, kFullScreenBarSize), 855, -1, 1065, 33);
    ExpectRect(SlidBarRect(WorkArea(1025, 700), BarSlide::Hide, kFullScreenBarSize), 407, -33, 617, 1);
    // On a second monitor the same, from its own top left corner.
    ExpectRect(SlidBarRect({1366, 0, 2646, 1024}, BarSlide::Hide, kFullScreenBarSize), 1901, -33, 2111, 1);
    ExpectRect(SlidBarRect({1366, 0, 2646, 1024}, BarSlide::Reveal, kFullScreenBarSize), 1901, -1, 2111, 33);
    ExpectRect(SlidBarRect({0, -1080, 1920, 0}, BarSlide::Hide, kFullScreenBarSize), 855, -1113, 1065, -1079);
}

TEST(FullScreenBar, ScaledItStillHidesUpToItsLastPixelRow)
{
    // 210 x 34 at 200 %: 420 x 68, centred on a 2560-pixel monitor.
    const SIZE bar = ScaleToDpi(kFullScreenBarSize, 192);
    EXPECT_EQ(FullScreenBarStart(WorkArea(2560, 1600), bar).x, 1070);
    ExpectRect(SlidBarRect(WorkArea(2560, 1600), BarSlide::Hide, bar), 1070, -67, 1490, 1);
    ExpectRect(SlidBarRect(WorkArea(2560, 1600), BarSlide::Reveal, bar), 1070, -1, 1490, 67);
    // On a second monitor at 150 %, to the right of a 1366-wide one: 315 x 51.
    const SIZE bar150 = ScaleToDpi(kFullScreenBarSize, 144);
    ExpectRect(SlidBarRect({1366, 0, 3286, 1080}, BarSlide::Hide, bar150), 2168, -50, 2483, 1);
}

TEST(FullScreenBar, WiderThanTheMonitorItAlignsRightThenShiftsByHalfTheRemainder)
{
    // Right edge to 150 (left -60), then dx = (150 - 150 + -60) / 2 = -30.
    ExpectRect(SlidBarRect(WorkArea(150, 700), BarSlide::Reveal, kFullScreenBarSize), -90, -1, 120, 33);
    // Right edge to 209 (left -1), then dx = (209 - 209 - 1) / 2 = 0 (toward zero).
    ExpectRect(SlidBarRect(WorkArea(209, 700), BarSlide::Hide, kFullScreenBarSize), -1, -33, 209, 1);
}

}  // namespace
