// The bounds of what the skin reader takes: numbers, nesting and file size.
// Past each, the value or the rest of the file is left out, the window still
// works and the reason is kept.
#include <string>
#include <vector>

#include "skinned_window_test.h"
#include "toolkit/container.h"
#include "toolkit/control.h"

namespace {

using SkinNumbers = SkinnedWindowTest;

TEST_F(SkinNumbers, NumbersBeyond32767AreMalformedAndLayoutsStayInRange)
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
class SkinLimits : public SkinnedWindowTest {
protected:
    void SetUp() override
    {
        SkinnedWindowTest::SetUp();
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
