// A window told that it now lies on a monitor of another DPI lays its skin
// out at that DPI and takes the rectangle the system suggests.
#include "skinned_window_test.h"
#include "toolkit/control.h"
#include "toolkit/label.h"

#include <vector>

namespace {

constexpr UINT k150Percent = 144;
// frame.xml at 150 %: 480 x 320 becomes 720 x 480.
constexpr SIZE kFrameSizeAt150 = {720, 480};

SIZE SizeOf(const RECT& rc)
{
    return {rc.right - rc.left, rc.bottom - rc.top};
}

// As the system sends it: the new DPI twice, and the suggested outer rectangle.
void SendDpiChanged(HWND window, UINT dpi, RECT suggested)
{
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

LONG FontHeight(HFONT font)
{
    LOGFONTW description = {};
    GetObjectW(font, sizeof(description), &description);
    return description.lfHeight;
}

LRESULT HitTest(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(client.x, client.y));
}

POINT MinimumTrackSize(HWND window)
{
    MINMAXINFO info = {};
    SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info.ptMinTrackSize;
}

class DpiChange : public SkinnedWindowTest {};

TEST_F(DpiChange, TheSkinIsLaidOutAtTheNewDpiInTheSuggestedRectangle)
{
    TestWindow window(L"frame.xml");
    const HWND handle = Open(window);
    ASSERT_EQ(window.Manager().GetDpi(), kSkinDpi) << "the test program declares no DPI awareness";
    const RECT before = driver::WindowRect(handle);
    ASSERT_EQ(SizeOf(before).cx, 480);
    EXPECT_EQ(FontHeight(window.Manager().GetFont(0)), -12);

    const RECT suggested = {before.left + 10, before.top + 20, before.left + 10 + kFrameSizeAt150.cx,
                            before.top + 20 + kFrameSizeAt150.cy};
    SendDpiChanged(handle, k150Percent, suggested);
    driver::PumpMessagesFor(kShowSettleMs);

    EXPECT_EQ(window.Manager().GetDpi(), k150Percent);
    EXPECT_TRUE(SameRect(driver::WindowRect(handle), suggested));
    // The caption strip is 48 high, its inset 12, 6, 12, 6 and its buttons 36 wide, 6 apart.
    EXPECT_TRUE(SameRect(window.Find(L"topBg")->GetPos(), {0, 0, 720, 48}));
    EXPECT_TRUE(SameRect(window.Find(L"closebtn")->GetPos(), {672, 6, 708, 42}));
    EXPECT_TRUE(SameRect(window.Find(L"maxbtn")->GetPos(), {630, 6, 666, 42}));
    // The body's inset is 30 and its buttons 135 x 60.
    EXPECT_TRUE(SameRect(window.Find(TestWindow::kListedButton)->GetPos(), {30, 78, 165, 138}));
    EXPECT_EQ(FontHeight(window.Manager().GetFont(0)), -18) << "a 12-pixel font at 150 %";
    // The caption, the sizing border and the minimum size scale too.
    EXPECT_EQ(HitTest(handle, {300, 40}), HTCAPTION) << "below the 32 units of the caption at 100 %";
    EXPECT_EQ(HitTest(handle, {7, 200}), HTLEFT) << "inside the 9-pixel size box";
    EXPECT_EQ(HitTest(handle, {300, 200}), HTCLIENT);
    EXPECT_EQ(MinimumTrackSize(handle).x, 360);
    EXPECT_EQ(MinimumTrackSize(handle).y, 240);

    // What is painted and what takes the mouse are where the layout says.
    const RECT listed = window.Find(TestWindow::kListedButton)->GetPos();
    EXPECT_EQ(driver::PixelAt({suggested.left + listed.left + 4, suggested.top + listed.bottom - 4}),
              RGB(0x30, 0x70, 0xF0));
    ASSERT_TRUE(ClickListedButton(window));
    EXPECT_EQ(window.clickedNames, std::vector<std::wstring>{TestWindow::kListedButton});

    // And back to 100 %.
    const RECT back = {suggested.left, suggested.top, suggested.left + 480, suggested.top + 320};
    SendDpiChanged(handle, kSkinDpi, back);
    driver::PumpMessagesFor(kShowSettleMs);
    EXPECT_TRUE(SameRect(driver::WindowRect(handle), back));
    EXPECT_TRUE(SameRect(window.Find(TestWindow::kListedButton)->GetPos(), {20, 52, 110, 92}));
    EXPECT_EQ(FontHeight(window.Manager().GetFont(0)), -12);
}

TEST_F(DpiChange, AnUnusableDpiIsBroughtInsideWhatWindowsOffers)
{
    TestWindow window(L"frame.xml");
    const HWND handle = Open(window);
    const RECT before = driver::WindowRect(handle);
    SendDpiChanged(handle, 9600, before);
    EXPECT_EQ(window.Manager().GetDpi(), 480u);
    EXPECT_EQ(window.Find(L"topBg")->GetHeight(), 160);
    SendDpiChanged(handle, 0, before);
    EXPECT_EQ(window.Manager().GetDpi(), kSkinDpi);
    EXPECT_EQ(window.Find(L"topBg")->GetHeight(), 32);
    // A message without its rectangle changes nothing and does not crash.
    SendMessageW(handle, WM_DPICHANGED, MAKEWPARAM(k150Percent, k150Percent), 0);
    EXPECT_EQ(window.Manager().GetDpi(), kSkinDpi);
    ASSERT_TRUE(ClickListedButton(window));
}

TEST_F(DpiChange, AnImageDrawnLargerIsResizedSmoothly)
{
    TestWindow window(L"scaled_image.xml");
    Open(window);
    const HWND handle = window.GetHWND();
    const RECT strip = window.Find(L"strip")->GetPos();
    ASSERT_EQ(strip.right - strip.left, 200);
    // Along the strip's middle row the black and white pixels blend into a
    // ramp instead of meeting at one edge.
    RECT row = {strip.left, (strip.top + strip.bottom) / 2, strip.right, (strip.top + strip.bottom) / 2 + 1};
    MapWindowPoints(handle, HWND_DESKTOP, reinterpret_cast<POINT*>(&row), 2);
    const std::vector<COLORREF> colours = driver::ScreenColours(row);
    ASSERT_EQ(colours.size(), 200u);
    EXPECT_EQ(colours.front(), RGB(0, 0, 0));
    EXPECT_EQ(colours.back(), RGB(255, 255, 255));
    int greys = 0;
    for (size_t i = 1; i < colours.size(); ++i) {
        EXPECT_GE(GetRValue(colours[i]), GetRValue(colours[i - 1])) << "at " << i;
        const BYTE level = GetRValue(colours[i]);
        greys += level > 10 && level < 245;
    }
    EXPECT_GT(greys, 60) << "a ramp, not a step";
}

}  // namespace
