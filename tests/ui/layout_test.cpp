// Where the game window, its browser and the full-screen bar go.
#include "ui/full_screen_layout.h"
#include "ui/game_layout.h"

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
    const POINT usual = GameWindowPosition(WorkArea(1920, 1040));
    EXPECT_EQ(usual.x, 335);
    EXPECT_EQ(usual.y, 170);
    // Narrower or lower than the window: negative, truncated toward zero.
    EXPECT_EQ(GameWindowPosition(WorkArea(1249, 700)).x, 0);
    EXPECT_EQ(GameWindowPosition(WorkArea(1247, 700)).x, -1);
    EXPECT_EQ(GameWindowPosition(WorkArea(1024, 768)).x, -113);
    EXPECT_EQ(GameWindowPosition(WorkArea(1024, 768)).y, 34);
    EXPECT_EQ(GameWindowPosition(WorkArea(1250, 697)).y, -1);
    // The work area's left and top edges play no part.
    const POINT shifted = GameWindowPosition({200, 100, 1920, 1040});
    EXPECT_EQ(shifted.x, 335);
    EXPECT_EQ(shifted.y, 170);
}

TEST(WindowedBrowserRect, LeavesTwoLeftThirtyTwoTopOneRightTwoBottom)
{
    ExpectRect(WindowedBrowserRect({1250, 700}), 2, 32, 2 + 1247, 32 + 666);
    ExpectRect(WindowedBrowserRect({1920, 1040}), 2, 32, 2 + 1917, 32 + 1006);
}

TEST(FullScreenBar, StartsCentredAtTheTopOfItsMonitorFullyInView)
{
    EXPECT_EQ(FullScreenBarStart(WorkArea(1920, 1080)).x, 855);
    EXPECT_EQ(FullScreenBarStart(WorkArea(1920, 1080)).y, 0);
    EXPECT_EQ(FullScreenBarStart(WorkArea(1024, 600)).x, 407);
    EXPECT_EQ(FullScreenBarStart(WorkArea(1025, 600)).x, 407);
    // A second monitor to the right of a 1366-wide one, and one above the primary.
    EXPECT_EQ(FullScreenBarStart({1366, 0, 2646, 1024}).x, 1901);
    EXPECT_EQ(FullScreenBarStart({1366, 0, 2646, 1024}).y, 0);
    EXPECT_EQ(FullScreenBarStart({0, -1080, 1920, 0}).y, -1080);
}

TEST(FullScreenBar, SlidesUpToItsLastPixelRowAndDownToMinusOne)
{
    ExpectRect(SlidBarRect(WorkArea(1920, 1040), BarSlide::Hide), 855, -33, 1065, 1);
    ExpectRect(SlidBarRect(WorkArea(1920, 1040), BarSlide::Reveal), 855, -1, 1065, 33);
    ExpectRect(SlidBarRect(WorkArea(1025, 700), BarSlide::Hide), 407, -33, 617, 1);
    // On a second monitor the same, from its own top left corner.
    ExpectRect(SlidBarRect({1366, 0, 2646, 1024}, BarSlide::Hide), 1901, -33, 2111, 1);
    ExpectRect(SlidBarRect({1366, 0, 2646, 1024}, BarSlide::Reveal), 1901, -1, 2111, 33);
    ExpectRect(SlidBarRect({0, -1080, 1920, 0}, BarSlide::Hide), 855, -1113, 1065, -1079);
}

TEST(FullScreenBar, WiderThanTheMonitorItAlignsRightThenShiftsByHalfTheRemainder)
{
    // Right edge to 150 (left -60), then dx = (150 - 150 + -60) / 2 = -30.
    ExpectRect(SlidBarRect(WorkArea(150, 700), BarSlide::Reveal), -90, -1, 120, 33);
    // Right edge to 209 (left -1), then dx = (209 - 209 - 1) / 2 = 0 (toward zero).
    ExpectRect(SlidBarRect(WorkArea(209, 700), BarSlide::Hide), -1, -33, 209, 1);
}

}  // namespace
