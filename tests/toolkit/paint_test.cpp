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
