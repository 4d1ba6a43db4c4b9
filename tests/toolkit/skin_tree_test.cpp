// Skins become control trees inside real windows.
#include <memory>
#include <string>

#include "skinned_window_test.h"
#include "toolkit/container.h"
#include "toolkit/control.h"
#include "toolkit/label.h"
#include "ui/xml_wnd.h"

namespace {

void ExpectRect(const RECT& actual, LONG left, LONG top, LONG right, LONG bottom, const char* what)
{
    EXPECT_EQ(actual.left, left) << what;
    EXPECT_EQ(actual.top, top) << what;
    EXPECT_EQ(actual.right, right) << what;
    EXPECT_EQ(actual.bottom, bottom) << what;
}

using SkinTree = SkinnedWindowTest;

TEST_F(SkinTree, BuildsTheDeclaredTreeAndLaysItOutBeforeInitWindow)
{
    TestWindow window(L"tree.xml");
    ASSERT_NE(window.CreateTopLevel(), nullptr);
    EXPECT_TRUE(window.initWindowRan);
    EXPECT_TRUE(window.treeBuiltAtInit);
    EXPECT_EQ(window.rectAtInit.right - window.rectAtInit.left, 400) << "the skin's size applies before InitWindow";
    EXPECT_EQ(window.rectAtInit.bottom - window.rectAtInit.top, 300);
    EXPECT_TRUE(window.Manager().GetSkinProblems().empty()) << window.Manager().GetLastSkinError().GetData();

    auto* root = dynamic_cast<CContainerUI*>(window.Manager().GetRoot());
    ASSERT_NE(root, nullptr);
    EXPECT_STREQ(root->GetClass(), L"VerticalLayout");
    EXPECT_EQ(root->GetName(), L"root");
    ASSERT_EQ(root->GetCount(), 3);
    auto* bar = dynamic_cast<CContainerUI*>(root->GetItemAt(0));
    ASSERT_NE(bar, nullptr);
    EXPECT_STREQ(bar->GetClass(), L"HorizontalLayout");
    ASSERT_EQ(bar->GetCount(), 4);
    EXPECT_STREQ(bar->GetItemAt(0)->GetClass(), L"Label");
    EXPECT_STREQ(bar->GetItemAt(1)->GetClass(), L"Button");
    auto* body = dynamic_cast<CContainerUI*>(root->GetItemAt(1));
    ASSERT_NE(body, nullptr);
    EXPECT_STREQ(body->GetClass(), L"Container");
    EXPECT_STREQ(root->GetItemAt(2)->GetClass(), L"Control");

    // Fixed sizes, inset, padding and child padding; the hidden button takes no room.
    ExpectRect(bar->GetPos(), 0, 0, 400, 30, "bar");
    ExpectRect(window.Find(L"caption")->GetPos(), 4, 2, 340, 28, "caption");
    ExpectRect(window.Find(L"first")->GetPos(), 342, 2, 368, 28, "first");
    ExpectRect(window.Find(L"second")->GetPos(), 370, 2, 396, 28, "second");
    ExpectRect(body->GetPos(), 10, 40, 390, 270, "body");
    ExpectRect(window.Find(L"anchored")->GetPos(), 10, 40, 90, 70, "anchored");
    ExpectRect(window.Find(L"filler")->GetPos(), 15, 45, 385, 265, "filler");
    ExpectRect(window.Find(L"status")->GetPos(), 0, 280, 400, 300, "status");
    EXPECT_EQ(window.Find(L"status")->GetHeight(), 20);

    auto* caption = dynamic_cast<CLabelUI*>(window.Find(L"caption"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->GetText(), L"标题");
    EXPECT_EQ(caption->GetTextAlign(), static_cast<UINT>(DT_CENTER));
    EXPECT_EQ(caption->GetFont(), 1);
    EXPECT_EQ(root->GetBkColor(), 0xFF202020u);
}

TEST_F(SkinTree, FindControlFindsNamedControlsHiddenOrNotAndNothingElse)
{
    TestWindow window(L"tree.xml");
    ASSERT_NE(window.CreateTopLevel(), nullptr);
    CControlUI* hidden = window.Find(L"hidden");
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(hidden->IsVisible());
    EXPECT_EQ(window.Find(L"root"), window.Manager().GetRoot());
    EXPECT_EQ(window.Find(L"first")->GetName(), L"first");
    EXPECT_EQ(window.Find(L"nosuchcontrol"), nullptr);
    EXPECT_EQ(window.Find(L""), nullptr) << "unnamed controls are not found by an empty name";
    EXPECT_EQ(window.Find(nullptr), nullptr);
}

TEST_F(SkinTree, ShowingAHiddenControlLaysItsSiblingsOutAgain)
{
    TestWindow window(L"tree.xml");
    ASSERT_NE(window.CreateTopLevel(), nullptr);
    window.Find(L"hidden")->SetVisible(true);
    ExpectRect(window.Find(L"caption")->GetPos(), 4, 2, 312, 28, "caption");
    ExpectRect(window.Find(L"hidden")->GetPos(), 342, 2, 368, 28, "hidden");
    ExpectRect(window.Find(L"second")->GetPos(), 370, 2, 396, 28, "second");
}

TEST_F(SkinTree, SetPosMovesAControlAndItsChildren)
{
    TestWindow window(L"tree.xml");
    ASSERT_NE(window.CreateTopLevel(), nullptr);
    window.Find(L"body")->SetPos({0, 100, 200, 200});
    ExpectRect(window.Find(L"anchored")->GetPos(), 0, 100, 80, 130, "anchored");
    ExpectRect(window.Find(L"filler")->GetPos(), 5, 105, 195, 195, "filler");
}

TEST_F(SkinTree, SkinsAreFoundThroughTheResourcePathWhateverTheCurrentDirectory)
{
    const CDuiString instancePath = CPaintManagerUI::GetInstancePath();
    wchar_t module[MAX_PATH];
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    EXPECT_EQ(std::wstring(module).find(instancePath.Str()), 0u);
    EXPECT_EQ(instancePath.Str().back(), L'\\');
    EXPECT_EQ(CPaintManagerUI::GetResourcePath(), instancePath + kTestSkinFolder + L"\\");

    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    wchar_t windowsFolder[MAX_PATH];
    GetWindowsDirectoryW(windowsFolder, MAX_PATH);
    ASSERT_TRUE(SetCurrentDirectoryW(windowsFolder));
    TestWindow window(L"tree.xml");
    const HWND created = window.CreateTopLevel();
    SetCurrentDirectoryW(previous);
    ASSERT_NE(created, nullptr);
    EXPECT_NE(window.Find(L"anchored"), nullptr);
    EXPECT_TRUE(window.Manager().GetSkinProblems().empty()) << window.Manager().GetLastSkinError().GetData();
}

TEST_F(SkinTree, AControlTypeTheWindowSuppliesJoinsTheTree)
{
    TestWindow window(L"unknown_type.xml", true);
    ASSERT_NE(window.CreateTopLevel(), nullptr);
    CControlUI* gauge = window.Find(L"gauge");
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->GetHeight(), 20) << "its attributes are applied";
    EXPECT_EQ(gauge->GetBkColor(), 0xFF00FF00u);
    EXPECT_EQ(window.Find(L"fancy"), nullptr) << "a type nobody knows is still left out";
}

// Notes, when it is destroyed, whether its window still existed.
class WatchingControl : public CControlUI {
public:
    WatchingControl(HWND window, bool* windowExisted) : m_window(window), m_windowExisted(windowExisted) {}
    ~WatchingControl() override { *m_windowExisted = IsWindow(m_window) != FALSE; }

private:
    HWND m_window;
    bool* m_windowExisted;
};

// Whatever the controls' destruction sends to the window (a child window
// they own going away, say) must not reach the window's half-destroyed parts.
TEST_F(SkinTree, DeletingAWindowObjectDestroysTheNativeWindowBeforeItsControls)
{
    bool windowExisted = true;
    HWND handle = nullptr;
    {
        TestWindow window(L"tree.xml");
        handle = window.CreateTopLevel();
        ASSERT_NE(handle, nullptr);
        auto* root = dynamic_cast<CContainerUI*>(window.Manager().GetRoot());
        ASSERT_NE(root, nullptr);
        root->Add(new WatchingControl(handle, &windowExisted));
    }
    EXPECT_FALSE(windowExisted);
    EXPECT_FALSE(IsWindow(handle));
}

// Two launcher-style windows with skins of their own.
class FrameWnd : public CXMLWnd {
public:
    FrameWnd() : CXMLWnd(L"frame.xml") {}
};

class FixedWnd : public CXMLWnd {
public:
    explicit FixedWnd(bool* destroyed) : CXMLWnd(L"fixed.xml"), m_destroyed(destroyed) {}
    ~FixedWnd() override { *m_destroyed = true; }

private:
    bool* m_destroyed;
};

TEST_F(SkinTree, EveryLauncherWindowIsOfTheClassXMLWndAndReadsItsOwnSkin)
{
    FrameWnd frame;
    FrameWnd secondFrame;
    bool fixedDestroyed = false;
    std::unique_ptr<WindowImplBase> fixed = std::make_unique<FixedWnd>(&fixedDestroyed);
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    ASSERT_NE(frame.Create(nullptr, L"one", style, 0), nullptr);
    ASSERT_NE(secondFrame.Create(nullptr, L"two", style, 0), nullptr);
    const HWND fixedWindow = fixed->Create(frame, L"three", style, 0);
    ASSERT_NE(fixedWindow, nullptr);
    EXPECT_EQ(driver::Owner(fixedWindow), frame.GetHWND());

    for (HWND window : {frame.GetHWND(), secondFrame.GetHWND(), fixedWindow}) {
        EXPECT_EQ(driver::WindowClass(window), L"XMLWnd");
    }
    EXPECT_EQ(driver::TopLevelWindows(L"XMLWnd", nullptr, GetCurrentProcessId()).size(), 3u);
    EXPECT_EQ(frame.GetSkinFile(), L"frame.xml");
    EXPECT_TRUE(frame.GetSkinFolder().IsEmpty());
    EXPECT_EQ(driver::WindowText(frame), L"one");
    EXPECT_EQ(driver::WindowRect(frame).right - driver::WindowRect(frame).left, 480);
    EXPECT_EQ(driver::WindowRect(fixedWindow).right - driver::WindowRect(fixedWindow).left, 300);

    // Deleting through the base pointer runs the whole destructor chain and
    // takes the native window with it.
    fixed.reset();
    EXPECT_TRUE(fixedDestroyed);
    EXPECT_FALSE(IsWindow(fixedWindow));
    driver::PumpMessagesFor(50);
    EXPECT_TRUE(IsWindow(frame));
}

}  // namespace
