// What the skinned controls look like on the real screen.
#include <algorithm>
#include <functional>
#include <vector>

#include "skinned_window_test.h"
#include "toolkit/button.h"
#include "toolkit/label.h"

namespace {

// Colours of frame.xml.
constexpr COLORREF kButtonNormal = RGB(0x30, 0x70, 0xF0);
constexpr COLORREF kButtonHot = RGB(0x00, 0xC0, 0x00);
constexpr COLORREF kButtonPushed = RGB(0x80, 0x00, 0x80);
constexpr COLORREF kButtonDisabled = RGB(0x90, 0x90, 0x90);
// What the child window shows, a colour no test skin uses.
constexpr COLORREF kChildColour = RGB(0xFF, 0x00, 0xFF);
constexpr RECT kChildBounds = {60, 120, 220, 220};
constexpr wchar_t kChildClass[] = L"ToolkitTestDrawnChild";
// A pixel this dark on a white label is ink.
constexpr int kInkLevel = 0x80;
// Far more ink than a few stray pixels: most characters were drawn.
constexpr int kInkPixelsPerCharacter = 20;

// Counts the pixels of a screen rectangle that pass the test.
int CountScreenPixels(const RECT& screen, const std::function<bool(COLORREF)>& test)
{
    const std::vector<COLORREF> colours = driver::ScreenColours(screen);
    return static_cast<int>(std::count_if(colours.begin(), colours.end(), test));
}

// Like the engine's browser window, the child's picture is drawn from outside
// its WM_PAINT, which only validates: what the parent paints over is lost.
LRESULT CALLBACK DrawnChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        return 1;
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        EndPaint(window, &ps);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateDrawnChild(HWND parent)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &DrawnChildProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kChildClass;
    RegisterClassW(&wc);
    const HWND child = CreateWindowExW(0, kChildClass, L"", WS_CHILD | WS_VISIBLE, kChildBounds.left,
                                       kChildBounds.top, kChildBounds.right - kChildBounds.left,
                                       kChildBounds.bottom - kChildBounds.top, parent, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    if (child) {
        UpdateWindow(child);
        HDC dc = GetDC(child);
        RECT client;
        GetClientRect(child, &client);
        SetDCBrushColor(dc, kChildColour);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        ReleaseDC(child, dc);
    }
    return child;
}

RECT ScreenRectOf(TestWindow& window, const wchar_t* name)
{
    RECT rc = window.Find(name)->GetPos();
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

class Painting : public SkinnedWindowTest {
protected:
    bool ShowsColour(TestWindow& window, const wchar_t* name, COLORREF colour)
    {
        return driver::WaitFor([&] { return driver::PixelAt(window.ScreenSpotOf(name)) == colour; }, kWaitMs);
    }
};

TEST_F(Painting, HoverShowsTheHotLookAndRepaintsOnlyThatButton)
{
    TestWindow window(L"frame.xml");
    Open(window);
    ASSERT_TRUE(ShowsColour(window, TestWindow::kListedButton, kButtonNormal));
    const RECT button = window.Find(TestWindow::kListedButton)->GetPos();

    window.paintedRects.clear();
    driver::MoveMouseTo(window.ScreenCentreOf(TestWindow::kListedButton));
    EXPECT_TRUE(ShowsColour(window, TestWindow::kListedButton, kButtonHot));
    ASSERT_FALSE(window.paintedRects.empty());
    for (const RECT& painted : window.paintedRects) {
        RECT outside;
        SubtractRect(&outside, &painted, &button);
        EXPECT_TRUE(IsRectEmpty(&outside)) << "painted " << painted.left << "," << painted.top << ","
                                           << painted.right << "," << painted.bottom;
    }

    driver::MoveMouseTo(window.ScreenCentreOf(L"unlistedbtn"));
    EXPECT_TRUE(ShowsColour(window, TestWindow::kListedButton, kButtonNormal));
}

TEST_F(Painting, PushedAndDisabledButtonsHaveTheirOwnLooks)
{
    TestWindow window(L"frame.xml");
    Open(window);
    driver::MoveMouseTo(window.ScreenCentreOf(TestWindow::kListedButton));
    driver::PressLeftButton();
    EXPECT_TRUE(ShowsColour(window, TestWindow::kListedButton, kButtonPushed));
    driver::ReleaseLeftButton();
    EXPECT_TRUE(ShowsColour(window, TestWindow::kListedButton, kButtonHot));
    EXPECT_TRUE(driver::WaitFor([&] { return window.listedActions == 1; }, kWaitMs));

    EXPECT_TRUE(ShowsColour(window, L"disabledbtn", kButtonDisabled));
    driver::MoveMouseTo(window.ScreenCentreOf(L"disabledbtn"));
    driver::PumpMessagesFor(200);
    EXPECT_EQ(driver::PixelAt(window.ScreenSpotOf(L"disabledbtn")), kButtonDisabled);

    auto* disabled = dynamic_cast<CButtonUI*>(window.Find(L"disabledbtn"));
    ASSERT_NE(disabled, nullptr);
    disabled->SetEnabled(true);
    EXPECT_TRUE(ShowsColour(window, L"disabledbtn", kButtonNormal)) << "enabled again, it looks normal";
}

TEST_F(Painting, AFullRepaintLeavesAChildWindowAlone)
{
    TestWindow window(L"frame.xml");
    Open(window);
    const HWND child = CreateDrawnChild(window);
    ASSERT_NE(child, nullptr);
    const RECT childOnScreen = driver::ClientRectOnScreen(child);
    const POINT inside = {childOnScreen.left + 10, childOnScreen.top + 10};
    ASSERT_TRUE(driver::WaitFor([&] { return driver::PixelAt(inside) == kChildColour; }, kWaitMs));

    window.paintedRects.clear();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    driver::PumpMessagesFor(kSettleMs);
    ASSERT_FALSE(window.paintedRects.empty()) << "the parent painted again";
    const int childPixels = CountScreenPixels(childOnScreen, [](COLORREF c) { return c == kChildColour; });
    EXPECT_EQ(childPixels, (kChildBounds.right - kChildBounds.left) * (kChildBounds.bottom - kChildBounds.top));
    // Beside the child the skin is painted as usual.
    EXPECT_TRUE(ShowsColour(window, TestWindow::kListedButton, kButtonNormal));
    DestroyWindow(child);
}

TEST_F(Painting, ChineseTextIsDrawnWithRealGlyphs)
{
    TestWindow window(L"chinese.xml");
    Open(window);
    for (const wchar_t* name : {L"yahei", L"simsun"}) {
        auto* label = dynamic_cast<CLabelUI*>(window.Find(name));
        ASSERT_NE(label, nullptr);
        const CDuiString& text = label->GetText();

        HDC dc = GetDC(window);
        HGDIOBJ previous = SelectObject(dc, window.Manager().GetFont(label->GetFont()));
        std::vector<WORD> glyphs(static_cast<size_t>(text.GetLength()));
        GetGlyphIndicesW(dc, text, text.GetLength(), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
        SelectObject(dc, previous);
        ReleaseDC(window, dc);
        for (WORD glyph : glyphs) {
            EXPECT_NE(glyph, 0xFFFF) << "the font has no glyph for a character of " << ::testing::PrintToString(text.Str());
        }

        const int ink = CountScreenPixels(ScreenRectOf(window, name), [](COLORREF c) {
            return GetRValue(c) < kInkLevel && GetGValue(c) < kInkLevel && GetBValue(c) < kInkLevel;
        });
        EXPECT_GT(ink, kInkPixelsPerCharacter * text.GetLength()) << ::testing::PrintToString(text.Str());
    }
}

}  // namespace
