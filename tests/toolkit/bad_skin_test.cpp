// Skins that cannot be read as written still give a working window, and the
// toolkit says why parts are missing.
#include "skinned_window_test.h"
#include "toolkit/button.h"
#include "toolkit/control.h"
#include "toolkit/label.h"

namespace {

class BadSkin : public SkinnedWindowTest {
protected:
    // The screen colour at the centre of a control.
    COLORREF ColourOf(TestWindow& window, const wchar_t* name)
    {
        return driver::PixelAt(window.ScreenSpotOf(name));
    }

    // A real click on closebtn ends the window.
    bool ClosesFromItsButton(TestWindow& window)
    {
        const HWND handle = window.GetHWND();
        driver::ClickAt(window.ScreenCentreOf(L"closebtn"));
        return driver::WaitFor([&] { return !IsWindow(handle); }, kWaitMs);
    }
};

TEST_F(BadSkin, AMissingSkinFileGivesAnEmptyWindowThatStillWorks)
{
    TestWindow window(L"no_such_skin.xml");
    const HWND handle = Open(window);
    ASSERT_NE(handle, nullptr);
    EXPECT_TRUE(driver::IsVisible(handle));
    EXPECT_TRUE(window.initWindowRan);
    EXPECT_EQ(window.Manager().GetRoot(), nullptr);
    EXPECT_EQ(window.Find(L"closebtn"), nullptr);
    const std::wstring problems = ProblemsOf(window.Manager());
    EXPECT_TRUE(Contains(problems, L"no_such_skin.xml")) << problems;
    EXPECT_TRUE(Contains(problems, L"cannot open")) << problems;
    const std::wstring whole = (CPaintManagerUI::GetResourcePath() + L"no_such_skin.xml: cannot open").Str();
    EXPECT_EQ(problems.find(whole), 0u) << "the file, with no line: " << problems;

    const RECT rc = driver::WindowRect(handle);
    driver::ClickAt({rc.left + 20, rc.top + 20});
    // A key after the click: once it has arrived, the click has been handled
    // with all it posted.
    ASSERT_TRUE(driver::BringToForeground(handle));
    driver::PressKey(VK_SHIFT);
    ASSERT_TRUE(driver::WaitFor([&] { return !window.keysDown.empty(); }, kWaitMs));
    EXPECT_TRUE(IsWindow(handle));
    window.Close();
    EXPECT_TRUE(driver::WaitFor([&] { return !IsWindow(handle); }, kWaitMs));
}

TEST_F(BadSkin, MalformedXmlKeepsWhatCameBeforeTheFault)
{
    TestWindow window(L"malformed.xml");
    ASSERT_NE(Open(window), nullptr);
    EXPECT_NE(window.Find(L"beforebtn"), nullptr);
    EXPECT_EQ(window.Find(L"broken"), nullptr);
    EXPECT_EQ(window.Find(L"afterbtn"), nullptr);
    const std::wstring problems = ProblemsOf(window.Manager());
    EXPECT_TRUE(Contains(problems, L"malformed XML")) << problems;
    EXPECT_TRUE(Contains(problems, L"line 10")) << problems;
    EXPECT_TRUE(ClosesFromItsButton(window));
}

TEST_F(BadSkin, AStartOtherThanWindowBuildsNothing)
{
    TestWindow window(L"not_window.xml");
    const HWND handle = Open(window);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(window.Manager().GetRoot(), nullptr);
    EXPECT_EQ(window.Find(L"closebtn"), nullptr);
    EXPECT_TRUE(Contains(window.Manager().GetLastSkinError().Str(), L"<Dialog>"))
        << ProblemsOf(window.Manager());
    EXPECT_TRUE(IsWindow(handle));
}

TEST_F(BadSkin, UnknownControlTypesAreLeftOutWithTheirChildren)
{
    TestWindow window(L"unknown_type.xml");
    ASSERT_NE(Open(window), nullptr);
    EXPECT_EQ(window.Find(L"fancy"), nullptr);
    EXPECT_EQ(window.Find(L"insidefancy"), nullptr);
    EXPECT_EQ(window.Find(L"gauge"), nullptr) << "the window's CreateControl supplies nothing";
    CControlUI* sibling = window.Find(L"sibling");
    ASSERT_NE(sibling, nullptr);
    EXPECT_EQ(sibling->GetPos().top, 0) << "the missing controls take no room";
    EXPECT_EQ(sibling->GetHeight(), 40);
    const std::wstring problems = ProblemsOf(window.Manager());
    EXPECT_TRUE(Contains(problems, L"unknown control type <Fancy>")) << problems;
    EXPECT_TRUE(Contains(problems, L"unknown control type <Gauge>")) << problems;
}

TEST_F(BadSkin, MissingAndCorruptImagesPaintNothingWhileOthersBlend)
{
    TestWindow window(L"bad_images.xml");
    ASSERT_NE(Open(window), nullptr);
    const std::wstring problems = ProblemsOf(window.Manager());
    EXPECT_TRUE(Contains(problems, L"images/missing.png")) << problems;
    EXPECT_TRUE(Contains(problems, L"file not found")) << problems;
    EXPECT_TRUE(Contains(problems, L"images/corrupt.png")) << problems;
    EXPECT_TRUE(Contains(problems, L"not a readable image")) << problems;
    EXPECT_TRUE(Contains(problems, L"images/missing_hot.png")) << problems;
    EXPECT_FALSE(Contains(problems, L"half_red.png")) << problems;
    EXPECT_FALSE(Contains(problems, L"green.png\"")) << problems;
    // Each names the skin's line that asks for the image.
    EXPECT_TRUE(Contains(problems, L"bad_images.xml, line 5: image \"images/missing.png\"")) << problems;
    EXPECT_TRUE(Contains(problems, L"bad_images.xml, line 6: image \"images/corrupt.png\"")) << problems;
    EXPECT_TRUE(Contains(problems, L"bad_images.xml, line 8: image \"images/missing_hot.png\"")) << problems;

    EXPECT_EQ(ColourOf(window, L"missing"), RGB(0, 255, 0)) << "the background colour still shows";
    EXPECT_EQ(ColourOf(window, L"corrupt"), RGB(0, 255, 0));
    const COLORREF blended = ColourOf(window, L"blended");
    EXPECT_NEAR(GetRValue(blended), 128, 3) << "half-transparent red over blue";
    EXPECT_EQ(GetGValue(blended), 0);
    EXPECT_NEAR(GetBValue(blended), 127, 3);
    EXPECT_EQ(ColourOf(window, L"imagebtn"), RGB(0, 255, 0));

    // Hovering the button whose hot image is missing falls back to its normal image.
    driver::MoveMouseTo(window.ScreenCentreOf(L"imagebtn"));
    auto* button = dynamic_cast<CButtonUI*>(window.Find(L"imagebtn"));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(driver::WaitFor([&] { return button->GetState() == CButtonUI::State::Hot; }, kWaitMs));
    UpdateWindow(window);
    EXPECT_EQ(ColourOf(window, L"imagebtn"), RGB(0, 255, 0));
}

TEST_F(BadSkin, MalformedAttributeValuesAreIgnoredOneByOne)
{
    TestWindow window(L"bad_attributes.xml");
    const HWND handle = Open(window);
    ASSERT_NE(handle, nullptr);
    const std::wstring problems = ProblemsOf(window.Manager());
    for (const wchar_t* expected : {L"size=\"wide,200\" of <Window>", L"caption=\"0,0,0\" of <Window>",
                                    L"size=\"-3\" of <Font>", L"no attribute \"colour\"", L"width=\"abc\"",
                                    L"bkcolor=\"#GG0000\"", L"padding=\"1,2,3\"", L"visible=\"maybe\"",
                                    L"align=\"middle\"", L"font=\"one\""}) {
        EXPECT_TRUE(Contains(problems, expected)) << "missing: " << ::testing::PrintToString(std::wstring(expected))
                                                  << "\nin:\n" << ::testing::PrintToString(problems);
    }
    EXPECT_FALSE(window.Manager().HasCaption());

    auto* sized = dynamic_cast<CButtonUI*>(window.Find(L"sized"));
    ASSERT_NE(sized, nullptr);
    EXPECT_EQ(sized->GetFixedWidth(), 0);
    EXPECT_EQ(sized->GetHeight(), 30) << "the readable attributes of the same element apply";
    EXPECT_EQ(sized->GetBkColor(), 0u);
    EXPECT_EQ(sized->GetTextColor(), 0xFF00FF00u);
    RECT client;
    GetClientRect(handle, &client);
    EXPECT_EQ(sized->GetWidth(), client.right);

    CControlUI* padded = window.Find(L"padded");
    ASSERT_NE(padded, nullptr);
    EXPECT_TRUE(padded->IsVisible());
    EXPECT_EQ(padded->GetPos().left, 0);
    auto* aligned = dynamic_cast<CLabelUI*>(window.Find(L"aligned"));
    ASSERT_NE(aligned, nullptr);
    EXPECT_EQ(aligned->GetText(), L"still here");
    EXPECT_EQ(aligned->GetTextAlign(), static_cast<UINT>(DT_LEFT));
    EXPECT_EQ(aligned->GetFont(), -1);
}

}  // namespace
