// The toolkit's small decisions: reading attribute values, sharing a layout
// axis, hit testing the frame and centring.
#include <gtest/gtest.h>

#include "attribute_values.h"
#include "frame_geometry.h"
#include "linear_layout.h"

namespace {

TEST(AttributeValues, ColoursAreHashWithSixOrEightHexDigits)
{
    DWORD argb = 0x12345678;
    EXPECT_TRUE(ParseColor(L"#FF8000", argb));
    EXPECT_EQ(argb, 0xFFFF8000u);
    EXPECT_TRUE(ParseColor(L"#80ff8000", argb));
    EXPECT_EQ(argb, 0x80FF8000u);
    for (const wchar_t* bad : {L"FF8000", L"#FF80", L"#FF80000", L"#GG8000", L"#", L"", L"# FF8000"}) {
        DWORD untouched = 0x12345678;
        EXPECT_FALSE(ParseColor(bad, untouched)) << ::testing::PrintToString(std::wstring(bad));
        EXPECT_EQ(untouched, 0x12345678u);
    }
    EXPECT_FALSE(ParseColor(nullptr, argb));
}

TEST(AttributeValues, NumberListsNeedExactlyTheirCount)
{
    RECT rc = {};
    EXPECT_TRUE(ParseRect(L" 1, -2 ,3,4 ", rc));
    EXPECT_EQ(rc.left, 1);
    EXPECT_EQ(rc.top, -2);
    EXPECT_EQ(rc.bottom, 4);
    SIZE size = {};
    EXPECT_TRUE(ParseSize(L"1250,700", size));
    EXPECT_EQ(size.cx, 1250);
    for (const wchar_t* bad : {L"1,2,3", L"1,2,3,4,5", L"1,,3,4", L"a,b,c,d", L"1;2;3;4", L"1,2,3,4x"}) {
        RECT untouched = {9, 9, 9, 9};
        EXPECT_FALSE(ParseRect(bad, untouched)) << ::testing::PrintToString(std::wstring(bad));
        EXPECT_EQ(untouched.left, 9);
    }
    int value = 0;
    EXPECT_TRUE(ParseInt(L"+42", value));
    EXPECT_EQ(value, 42);
    EXPECT_FALSE(ParseInt(L"99999999999", value)) << "out of range";
    EXPECT_FALSE(ParseInt(L"2147483647", value)) << "out of range";
    EXPECT_FALSE(ParseInt(L"", value));
    EXPECT_FALSE(ParseInt(L"4 2", value));
}

TEST(AttributeValues, IntegersStayWithinPlusOrMinus32767)
{
    int value = 0;
    EXPECT_TRUE(ParseInt(L"32767", value));
    EXPECT_EQ(value, 32767);
    EXPECT_TRUE(ParseInt(L"-32767", value));
    EXPECT_EQ(value, -32767);
    for (const wchar_t* bad : {L"32768", L"-32768", L"040000"}) {
        int untouched = 9;
        EXPECT_FALSE(ParseInt(bad, untouched)) << ::testing::PrintToString(std::wstring(bad));
        EXPECT_EQ(untouched, 9);
    }
    RECT rc = {9, 9, 9, 9};
    EXPECT_FALSE(ParseRect(L"0,0,0,32768", rc));
    EXPECT_EQ(rc.left, 9);
    SIZE size = {9, 9};
    EXPECT_FALSE(ParseSize(L"32768,1", size));
    EXPECT_EQ(size.cx, 9);
}

TEST(AttributeValues, FlagsAreTrueOrFalse)
{
    bool flag = false;
    EXPECT_TRUE(ParseBool(L"true", flag));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(ParseBool(L"false", flag));
    EXPECT_FALSE(flag);
    EXPECT_FALSE(ParseBool(L"TRUE", flag));
    EXPECT_FALSE(ParseBool(L"1", flag));
}

TEST(LinearLayout, FlexibleItemsShareWhatFixedItemsAndGapsLeave)
{
    // 100 long, gap 2: fixed 20 with margins 3 and 5, two flexible items.
    const std::vector<AxisSpan> spans = DistributeAxis(10, 100, 2, {{0, 0, 0}, {20, 3, 5}, {0, 0, 0}});
    ASSERT_EQ(spans.size(), 3u);
    // Rest: 100 - 28 - 4 = 68, 34 each.
    EXPECT_EQ(spans[0].begin, 10);
    EXPECT_EQ(spans[0].end, 44);
    EXPECT_EQ(spans[1].begin, 49);
    EXPECT_EQ(spans[1].end, 69);
    EXPECT_EQ(spans[2].begin, 76);
    EXPECT_EQ(spans[2].end, 110);
}

TEST(LinearLayout, TheLastFlexibleItemTakesTheRemainderAndOverfullLeavesThemEmpty)
{
    const std::vector<AxisSpan> odd = DistributeAxis(0, 10, 0, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}});
    EXPECT_EQ(odd[0].end - odd[0].begin, 3);
    EXPECT_EQ(odd[2].end - odd[2].begin, 4);
    EXPECT_EQ(odd[2].end, 10);

    const std::vector<AxisSpan> overfull = DistributeAxis(0, 30, 0, {{20, 0, 0}, {0, 0, 0}, {20, 0, 0}});
    EXPECT_EQ(overfull[1].begin, overfull[1].end);
    EXPECT_EQ(overfull[2].end, 40) << "fixed items keep their size past the end";
    EXPECT_TRUE(DistributeAxis(0, 30, 4, {}).empty());
}

TEST(LinearLayout, CrossSpanKeepsAFixedLengthElseFillsInsideTheMargins)
{
    const AxisSpan fixed = CrossSpan(10, 50, 20, 4, 6);
    EXPECT_EQ(fixed.begin, 14);
    EXPECT_EQ(fixed.end, 34);
    const AxisSpan fill = CrossSpan(10, 50, 0, 4, 6);
    EXPECT_EQ(fill.begin, 14);
    EXPECT_EQ(fill.end, 54);
    const AxisSpan tooSmall = CrossSpan(0, 5, 0, 4, 6);
    EXPECT_EQ(tooSmall.begin, tooSmall.end);
}

FrameShape Shape(bool resizable)
{
    return {{400, 300}, {6, 6, 6, 6}, resizable, true, {0, 0, 0, 32}};
}

TEST(FrameHitTest, BordersResizeOnlyAResizableWindow)
{
    EXPECT_EQ(FrameHitTest(Shape(true), {0, 0}, false), HTTOPLEFT);
    EXPECT_EQ(FrameHitTest(Shape(true), {399, 0}, false), HTTOPRIGHT);
    EXPECT_EQ(FrameHitTest(Shape(true), {0, 299}, false), HTBOTTOMLEFT);
    EXPECT_EQ(FrameHitTest(Shape(true), {394, 294}, false), HTBOTTOMRIGHT);
    EXPECT_EQ(FrameHitTest(Shape(true), {5, 150}, false), HTLEFT);
    EXPECT_EQ(FrameHitTest(Shape(true), {200, 295}, false), HTBOTTOM);
    EXPECT_EQ(FrameHitTest(Shape(true), {200, 3}, true), HTTOP) << "borders win over controls";
    EXPECT_EQ(FrameHitTest(Shape(true), {6, 150}, false), HTCLIENT);
    EXPECT_EQ(FrameHitTest(Shape(false), {0, 299}, false), HTCLIENT);
}

TEST(FrameHitTest, TheCaptionDragsExceptOverControlsThatTakeTheMouse)
{
    EXPECT_EQ(FrameHitTest(Shape(false), {200, 10}, false), HTCAPTION);
    EXPECT_EQ(FrameHitTest(Shape(false), {200, 10}, true), HTCLIENT);
    EXPECT_EQ(FrameHitTest(Shape(false), {200, 32}, false), HTCLIENT);
    FrameShape noCaption = Shape(false);
    noCaption.hasCaption = false;
    EXPECT_EQ(FrameHitTest(noCaption, {200, 10}, false), HTCLIENT);
}

TEST(FrameHitTest, CaptionEdgesOfZeroOrLessCountFromTheFarSide)
{
    const RECT strip = ResolveCaptionRect({0, 0, 0, 32}, {400, 300});
    EXPECT_EQ(strip.right, 400);
    EXPECT_EQ(strip.bottom, 32);
    const RECT inset = ResolveCaptionRect({10, 5, -50, -100}, {400, 300});
    EXPECT_EQ(inset.left, 10);
    EXPECT_EQ(inset.right, 350);
    EXPECT_EQ(inset.bottom, 200);
}

TEST(Centring, CentresOverTheAreaAndStaysInsideTheWorkArea)
{
    const RECT work = {0, 0, 1920, 1040};
    const POINT middle = CenteredPosition({1250, 700}, work, work);
    EXPECT_EQ(middle.x, 335);
    EXPECT_EQ(middle.y, 170);
    const POINT overOwner = CenteredPosition({200, 100}, {1800, 10, 2000, 110}, work);
    EXPECT_EQ(overOwner.x, 1720) << "pulled back from the right edge";
    EXPECT_EQ(overOwner.y, 10);
    const POINT tooBig = CenteredPosition({3000, 2000}, work, work);
    EXPECT_EQ(tooBig.x, 0) << "the top-left corner stays reachable";
    EXPECT_EQ(tooBig.y, 0);
}

}  // namespace
