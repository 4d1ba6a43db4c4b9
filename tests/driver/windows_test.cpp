// Finding windows and reading their properties, against windows the test creates.
#include "driver.h"
#include "test_window.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool Contains(const std::vector<HWND>& windows, HWND window)
{
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

TestWindow::Options Captioned(const wchar_t* caption)
{
    TestWindow::Options options;
    options.caption = caption;
    return options;
}

TEST(DriverWindows, FindsTopLevelWindowsByClassCaptionAndProcess)
{
    TestWindow shown(Captioned(L"driver find shown"));
    TestWindow::Options hiddenOptions = Captioned(L"driver find hidden");
    hiddenOptions.style = WS_POPUP;
    TestWindow hidden(hiddenOptions);

    const std::vector<HWND> ofClass = driver::TopLevelWindows(TestWindow::kClassName);
    EXPECT_TRUE(Contains(ofClass, shown.handle()));
    EXPECT_TRUE(Contains(ofClass, hidden.handle()));
    for (HWND window : ofClass)
        EXPECT_EQ(driver::WindowClass(window), TestWindow::kClassName);

    EXPECT_EQ(driver::FindTopLevelWindow(TestWindow::kClassName, L"driver find hidden"), hidden.handle());
    EXPECT_EQ(driver::FindTopLevelWindow(L"drivertestwindow", L"driver find shown"), shown.handle())
        << "class names are not case-sensitive";
    EXPECT_EQ(driver::FindTopLevelWindow(nullptr, L"driver find shown"), shown.handle());
    EXPECT_EQ(driver::FindTopLevelWindow(TestWindow::kClassName, L"driver find"), nullptr)
        << "captions match whole";
    EXPECT_EQ(driver::FindTopLevelWindow(L"NoSuchDriverClass"), nullptr);

    const std::vector<HWND> ours = driver::TopLevelWindows(nullptr, nullptr, GetCurrentProcessId());
    EXPECT_TRUE(Contains(ours, shown.handle()));
    EXPECT_TRUE(Contains(ours, hidden.handle()));
    const std::vector<HWND> everyone = driver::TopLevelWindows();
    EXPECT_GE(everyone.size(), ours.size());
    const DWORD otherProcess = GetCurrentProcessId() + 4;
    EXPECT_EQ(driver::FindTopLevelWindow(TestWindow::kClassName, L"driver find shown", otherProcess), nullptr);
    EXPECT_EQ(driver::ProcessOf(shown.handle()), GetCurrentProcessId());
}

TEST(DriverWindows, ListsChildrenInZOrderAndDescendantsDepthFirst)
{
    TestWindow parent(Captioned(L"driver children"));
    HWND group = parent.AddChild(L"STATIC", L"group", 0, {10, 10, 200, 150}, 1);
    HWND button = parent.AddChild(L"BUTTON", L"press", BS_PUSHBUTTON, {210, 10, 290, 40}, 2);
    HWND inner = CreateWindowExW(0, L"EDIT", L"inner", WS_CHILD | WS_VISIBLE, 5, 5, 100, 20, group, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(button, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    const std::vector<HWND> children = driver::ChildWindows(parent.handle());
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0], button) << "the topmost child comes first";
    EXPECT_EQ(children[1], group);

    const std::vector<HWND> descendants = driver::DescendantWindows(parent.handle());
    EXPECT_EQ(descendants, (std::vector<HWND>{button, group, inner}));
    EXPECT_TRUE(driver::ChildWindows(inner).empty());
}

TEST(DriverWindows, TellsWhichWindowHasTheFocusOnAWindowsThread)
{
    TestWindow window(Captioned(L"driver focus"));
    HWND first = window.AddChild(L"EDIT", L"", 0, {10, 10, 100, 30}, 1);
    HWND second = window.AddChild(L"EDIT", L"", 0, {10, 40, 100, 60}, 2);
    SetFocus(second);
    EXPECT_EQ(driver::FocusOnThreadOf(window.handle()), second);
    EXPECT_EQ(driver::FocusOnThreadOf(first), second) << "any window of the thread tells";
    SetFocus(first);
    EXPECT_EQ(driver::FocusOnThreadOf(window.handle()), first);
    EXPECT_EQ(driver::FocusOnThreadOf(nullptr), nullptr);
}

TEST(DriverWindows, ReadsTextClassRectanglesStylesOwnerAndVisibility)
{
    TestWindow::Options ownerOptions = Captioned(L"driver owner");
    ownerOptions.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    ownerOptions.bounds = {50, 60, 450, 360};
    TestWindow owner(ownerOptions);
    TestWindow::Options ownedOptions = Captioned(L"雷霆 owned");
    ownedOptions.owner = owner.handle();
    ownedOptions.exStyle = WS_EX_TOOLWINDOW;
    ownedOptions.bounds = {500, 120, 700, 220};
    TestWindow owned(ownedOptions);
    HWND edit = owner.AddChild(L"EDIT", L"typed earlier", ES_AUTOHSCROLL, {10, 10, 200, 30}, 3);

    EXPECT_EQ(driver::WindowText(owned.handle()), L"雷霆 owned");
    EXPECT_EQ(driver::WindowText(edit), L"typed earlier");
    EXPECT_EQ(driver::WindowClass(edit), L"Edit");
    SetWindowTextW(edit, L"");
    EXPECT_EQ(driver::WindowText(edit), L"");

    const RECT outer = driver::WindowRect(owned.handle());
    EXPECT_EQ(outer.left, 500);
    EXPECT_EQ(outer.top, 120);
    EXPECT_EQ(outer.right, 700);
    EXPECT_EQ(outer.bottom, 220);
    const RECT framed = driver::WindowRect(owner.handle());
    const RECT client = driver::ClientRectOnScreen(owner.handle());
    EXPECT_EQ(framed.left, 50);
    EXPECT_EQ(framed.top, 60);
    EXPECT_GT(client.left, framed.left) << "the frame surrounds the client area";
    EXPECT_GT(client.top, framed.top) << "the caption is above the client area";
    EXPECT_LE(client.right, framed.right);
    EXPECT_LE(client.bottom, framed.bottom);
    const RECT editOnScreen = driver::WindowRect(edit);
    EXPECT_EQ(editOnScreen.left, client.left + 10);
    EXPECT_EQ(editOnScreen.top, client.top + 10);

    EXPECT_TRUE(driver::Style(owner.handle()) & WS_CAPTION);
    EXPECT_TRUE(driver::Style(owner.handle()) & WS_THICKFRAME);
    EXPECT_FALSE(driver::Style(owned.handle()) & WS_CAPTION);
    EXPECT_TRUE(driver::Style(owned.handle()) & WS_POPUP);
    EXPECT_TRUE(driver::ExStyle(owned.handle()) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(driver::ExStyle(owner.handle()) & WS_EX_TOOLWINDOW);

    EXPECT_EQ(driver::Owner(owned.handle()), owner.handle());
    EXPECT_EQ(driver::Owner(owner.handle()), nullptr);
    EXPECT_EQ(driver::Owner(edit), nullptr) << "a child has a parent, not an owner";

    EXPECT_TRUE(driver::IsVisible(owned.handle()));
    ShowWindow(owned.handle(), SW_HIDE);
    EXPECT_FALSE(driver::IsVisible(owned.handle()));
    EXPECT_TRUE(driver::IsVisible(edit));
    ShowWindow(owner.handle(), SW_HIDE);
    EXPECT_FALSE(driver::IsVisible(edit)) << "a child of a hidden window is not visible";
}

}  // namespace
