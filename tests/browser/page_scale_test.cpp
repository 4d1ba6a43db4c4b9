// The scale the engine is told to draw pages at, for each system DPI.
#include "browser/page_scale.h"

#include <gtest/gtest.h>

namespace {

TEST(ForcedPageScale, OnlyFromJustAbove100To125PercentIsTheEngineTold)
{
    EXPECT_EQ(ForcedPageScale(72), std::nullopt);
    EXPECT_EQ(ForcedPageScale(96), std::nullopt);
    EXPECT_EQ(ForcedPageScale(97), std::optional<std::wstring>(L"1.01"));
    EXPECT_EQ(ForcedPageScale(108), std::optional<std::wstring>(L"1.125"));
    EXPECT_EQ(ForcedPageScale(120), std::optional<std::wstring>(L"1.25"));
    // Above 125 % the engine draws at the system's scale by itself.
    EXPECT_EQ(ForcedPageScale(121), std::nullopt);
    EXPECT_EQ(ForcedPageScale(144), std::nullopt);
    EXPECT_EQ(ForcedPageScale(480), std::nullopt);
}

}  // namespace
