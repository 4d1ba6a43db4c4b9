// Skins that cannot be read as written still give a working window, and the
// toolkit says why parts are missing.
#include <string>

#include "skinned_window_test.h"
#include "toolkit/button.h"
#include "toolkit/container.h"
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
    driver::PumpMessagesFor(kSettleMs);
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

TEST_F(BadSkin, NumbersBeyond32767AreMalformedAndLayoutsStayInRange)
{
    TestWindow window(L"huge_values.xml");
    ASSERT_NE(Open(window), nullptr);
    const std::wstring problems = ProblemsOf(window.Manager());
    for (const wchar_t* expected : {L"caption=\"0,0,0,40000\" of <Window>", L"size=\"2147483647\" of <Font>",
                                    L"childpadding=\"32768\"", L"inset=\"0,0,0,99999\"", L"width=\"2147483647\"",
                                    L"padding=\"0,0,32768,0\""}) {
        EXPECT_TRUE(Contains(problems, expected)) << "missing: " << ::testing::PrintToString(std::wstring(expected))
                                                  << "\nin:\n" << ::testing::PrintToString(problems);
    }
    EXPECT_FALSE(Contains(problems, L"32767\"")) << problems;
    EXPECT_FALSE(window.Manager().HasCaption());

    auto* root = dynamic_cast<CContainerUI*>(window.Find(L"root"));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->GetChildPadding(), 0);
    EXPECT_TRUE(SameRect(root->GetInset(), {0, 0, 0, 0}));
    CControlUI* tooWide = window.Find(L"toowide");
    ASSERT_NE(tooWide, nullptr);
    EXPECT_EQ(tooWide->GetFixedWidth(), 0);
    EXPECT_TRUE(SameRect(tooWide->GetPadding(), {0, 0, 0, 0}));
    // The largest width is kept, and the others share what is left: nothing.
    EXPECT_TRUE(SameRect(tooWide->GetPos(), {0, 0, 0, 200}));
    EXPECT_TRUE(SameRect(window.Find(L"widest")->GetPos(), {0, 0, 32767, 200}));
    EXPECT_TRUE(SameRect(window.Find(L"flexible")->GetPos(), {32767, 0, 32767, 200}));
}

// The limits of what the reader takes, stated in the skin format.
constexpr int kDeepestNesting = 64;
constexpr size_t kLargestSkinBytes = 256 * 1024;

constexpr char kXmlDeclaration[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

// <Window> holding containers inside each other, "level2" to "level<depth-1>",
// and the innermost holding a button: depth elements, one inside the next.
std::string NestedSkin(int depth)
{
    std::string text = std::string(kXmlDeclaration) + "<Window size=\"300,200\">\n";
    for (int level = 2; level < depth; ++level) {
        text += "<Container name=\"level" + std::to_string(level) + "\">\n";
    }
    text += "<Button name=\"innermost\"/>\n";
    for (int level = 2; level < depth; ++level) {
        text += "</Container>\n";
    }
    return text + "</Window>\n";
}

// A small skin made exactly that long by a comment.
std::string SkinOfLength(size_t bytes)
{
    const std::string body = "<Window size=\"300,200\"><VerticalLayout name=\"root\"/></Window>\n";
    const std::string open = std::string(kXmlDeclaration) + "<!--";
    const std::string close = "-->\n";
    return open + std::string(bytes - open.size() - close.size() - body.size(), 'x') + close + body;
}

// Skins the test writes, in a folder of their own that the toolkit reads from.
class SkinLimits : public BadSkin {
protected:
    void SetUp() override
    {
        BadSkin::SetUp();
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + L"toolkit-skin-limits-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        ASSERT_TRUE(CreateDirectoryW(m_folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
        CPaintManagerUI::SetResourcePath(m_folder.c_str());
    }

    void TearDown() override
    {
        for (const std::wstring& name : m_written) {
            DeleteFileW((m_folder + name).c_str());
        }
        RemoveDirectoryW(m_folder.c_str());
    }

    void WriteSkin(const wchar_t* name, const std::string& text)
    {
        const std::wstring path = m_folder + name;
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        m_written.push_back(name);
        DWORD written = 0;
        const BOOL wrote = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
        ASSERT_TRUE(wrote && written == text.size());
    }

    // The window is there, shown, and closes when asked.
    void ExpectItWorks(TestWindow& window)
    {
        const HWND handle = window.GetHWND();
        EXPECT_TRUE(driver::IsVisible(handle));
        EXPECT_TRUE(window.initWindowRan);
        window.Close();
        EXPECT_TRUE(driver::WaitFor([&] { return !IsWindow(handle); }, kWaitMs));
    }

private:
    std::wstring m_folder;
    std::vector<std::wstring> m_written;
};

TEST_F(SkinLimits, ElementsNestUpToTheDeepestNestingAndNoDeeper)
{
    WriteSkin(L"deepest.xml", NestedSkin(kDeepestNesting));
    TestWindow deepest(L"deepest.xml");
    ASSERT_NE(Open(deepest), nullptr);
    EXPECT_NE(deepest.Find(L"innermost"), nullptr);
    EXPECT_TRUE(deepest.Manager().GetSkinProblems().empty()) << ProblemsOf(deepest.Manager());

    WriteSkin(L"too_deep.xml", NestedSkin(kDeepestNesting + 1));
    TestWindow tooDeep(L"too_deep.xml");
    ASSERT_NE(Open(tooDeep), nullptr);
    const std::wstring problem = tooDeep.Manager().GetLastSkinError().Str();
    EXPECT_TRUE(Contains(problem, L"too_deep.xml, line ")) << problem;
    EXPECT_TRUE(Contains(problem, L": elements nested more than 64 deep; the rest of the file is ignored")) << problem;
    EXPECT_NE(tooDeep.Find(std::wstring(L"level" + std::to_wstring(kDeepestNesting)).c_str()), nullptr)
        << "what came before is kept";
    EXPECT_EQ(tooDeep.Find(L"innermost"), nullptr);
    ExpectItWorks(tooDeep);
}

TEST_F(SkinLimits, ASkinFileUpToTheLargestSizeIsReadAndALargerOneIsNot)
{
    WriteSkin(L"largest.xml", SkinOfLength(kLargestSkinBytes));
    TestWindow largest(L"largest.xml");
    ASSERT_NE(Open(largest), nullptr);
    EXPECT_NE(largest.Find(L"root"), nullptr);
    EXPECT_TRUE(largest.Manager().GetSkinProblems().empty()) << ProblemsOf(largest.Manager());

    WriteSkin(L"too_large.xml", SkinOfLength(kLargestSkinBytes + 1));
    TestWindow tooLarge(L"too_large.xml");
    ASSERT_NE(Open(tooLarge), nullptr);
    EXPECT_EQ(tooLarge.Manager().GetRoot(), nullptr);
    const std::wstring problem = tooLarge.Manager().GetLastSkinError().Str();
    EXPECT_TRUE(Contains(problem, L"too_large.xml: the skin file is larger than 262144 bytes")) << problem;
    ExpectItWorks(tooLarge);
}

}  // namespace
