// The arithmetic of laying skins out at a window's DPI, and the smooth
// resizing of skin images.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "image_resample.h"
#include "toolkit/dpi.h"

namespace {

uint32_t Grey(uint32_t level)
{
    return 0xFF000000u | (level << 16) | (level << 8) | level;
}

uint32_t Blue(uint32_t pixel)
{
    return pixel & 0xFF;
}

TEST(Dpi, SkinUnitsScaleToTheNearestPixel)
{
    EXPECT_EQ(ScaleToDpi(1250, 144), 1875);
    EXPECT_EQ(ScaleToDpi(700, 120), 875);
    EXPECT_EQ(ScaleToDpi(483, 192), 966);
    EXPECT_EQ(ScaleToDpi(3, 120), 4) << "3.75";
    EXPECT_EQ(ScaleToDpi(1, 120), 1) << "1.25";
    EXPECT_EQ(ScaleToDpi(2, 120), 3) << "2.5: halves away from zero";
    EXPECT_EQ(ScaleToDpi(-1, 144), -2) << "a negative edge mirrors a positive one";
    EXPECT_EQ(ScaleToDpi(-4, 144), -6);
    EXPECT_EQ(ScaleToDpi(32767, 480), 163835) << "the largest skin number at 500 % stays exact";
    const RECT caption = ScaleToDpi(RECT{0, 0, 0, 36}, 144);
    EXPECT_EQ(caption.right, 0);
    EXPECT_EQ(caption.bottom, 54);
    const POINT offset = ScaleToDpi(POINT{483, 217}, 144);
    EXPECT_EQ(offset.x, 725);
    EXPECT_EQ(offset.y, 326);
}

TEST(Dpi, ReportedValuesOutsideWhatWindowsOffersAreBroughtInside)
{
    EXPECT_EQ(UsableDpi(96), 96u);
    EXPECT_EQ(UsableDpi(144), 144u);
    EXPECT_EQ(UsableDpi(72), 96u);
    EXPECT_EQ(UsableDpi(0), 96u);
    EXPECT_EQ(UsableDpi(480), 480u);
    EXPECT_EQ(UsableDpi(4800), 480u);
}

TEST(Dpi, AWindowTooLargeForItsAreaIsScaledDownUntilItFitsButNotBelowTheSkinsOwnSize)
{
    // 1250 x 700 at 150 % on 1920 x 1080 with a task bar: 1050 high does not fit 1040.
    const UINT fitting = DpiThatFits(144, ScaleToDpi(SIZE{1250, 700}, 144), {1920, 1040});
    EXPECT_EQ(fitting, 142u);
    EXPECT_LE(ScaleToDpi(700, fitting), 1040);
    EXPECT_EQ(DpiThatFits(144, {1875, 1050}, {2560, 1600}), 144u) << "it fits: unchanged";
    // The login window at 500 % on 2560 x 1600.
    const UINT huge = DpiThatFits(480, ScaleToDpi(SIZE{1120, 640}, 480), {2560, 1600});
    EXPECT_LE(ScaleToDpi(1120, huge), 2560);
    EXPECT_LE(ScaleToDpi(640, huge), 1600);
    EXPECT_GT(huge, 200u);
    EXPECT_EQ(DpiThatFits(144, {1875, 1050}, {1024, 600}), 96u) << "too large even at 100 %: left at 100 %";
    EXPECT_EQ(DpiThatFits(144, {1875, 1050}, {0, 0}), 96u);
}

TEST(ImageResampling, AnImageKeepsItsPixelsAtItsOwnSizeAndASolidOneStaysSolidAtAnySize)
{
    const std::vector<uint32_t> picture = {Grey(10), Grey(200), Grey(30), Grey(40), Grey(50), Grey(250)};
    EXPECT_EQ(ResamplePixels(picture.data(), {3, 2}, {3, 2}), picture);
    const std::vector<uint32_t> solid(12, 0x80402010u);
    for (const SIZE size : {SIZE{1, 1}, SIZE{7, 5}, SIZE{31, 2}}) {
        for (const uint32_t pixel : ResamplePixels(solid.data(), {4, 3}, size)) {
            EXPECT_EQ(pixel, 0x80402010u);
        }
    }
}

TEST(ImageResampling, EnlargingBlendsNeighboursInsteadOfRepeatingThem)
{
    const std::vector<uint32_t> edge = {Grey(0), Grey(255)};
    const std::vector<uint32_t> wider = ResamplePixels(edge.data(), {2, 1}, {4, 1});
    ASSERT_EQ(wider.size(), 4u);
    EXPECT_EQ(Blue(wider[0]), 0u);
    EXPECT_EQ(Blue(wider[1]), 64u);
    EXPECT_EQ(Blue(wider[2]), 191u);
    EXPECT_EQ(Blue(wider[3]), 255u);
    EXPECT_EQ(wider[1] >> 24, 0xFFu) << "opaque stays opaque";
}

TEST(ImageResampling, ShrinkingKeepsEveryThinLineInTheAverage)
{
    // One white column among eight: picking pixels could drop it.
    std::vector<uint32_t> lines(8, Grey(0));
    lines[3] = Grey(255);
    const std::vector<uint32_t> narrow = ResamplePixels(lines.data(), {8, 1}, {2, 1});
    EXPECT_GT(Blue(narrow[0]), 20u);
    EXPECT_LT(Blue(narrow[0]), 128u);
    std::vector<uint32_t> other(8, Grey(0));
    other[4] = Grey(255);
    EXPECT_GT(Blue(ResamplePixels(other.data(), {8, 1}, {2, 1})[1]), 20u);
}

TEST(ImageResampling, PremultipliedColoursNeverExceedTheirAlpha)
{
    // An opaque red pixel beside a fully transparent one, in both directions.
    const std::vector<uint32_t> half = {0xFFFF0000u, 0x00000000u, 0x00000000u, 0xFFFF0000u};
    for (const SIZE size : {SIZE{5, 3}, SIZE{1, 1}, SIZE{9, 9}}) {
        for (const uint32_t pixel : ResamplePixels(half.data(), {2, 2}, size)) {
            const uint32_t alpha = pixel >> 24;
            EXPECT_LE((pixel >> 16) & 0xFF, alpha);
            EXPECT_LE((pixel >> 8) & 0xFF, alpha);
            EXPECT_LE(pixel & 0xFF, alpha);
        }
    }
    const std::vector<uint32_t> middle = ResamplePixels(half.data(), {2, 2}, {3, 1});
    EXPECT_GT(middle[1] >> 24, 0x40u) << "the transparent half thins the red out, it does not hide it";
    EXPECT_LT(middle[1] >> 24, 0xC0u);
}

}  // namespace
