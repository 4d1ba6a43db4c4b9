// The frameless skinned frame: its buttons, caption, size box and placement
// change the real window.
#include "skinned_window_test.h"
#include "toolkit/control.h"

namespace {

// A work area smaller than the screen, as a task bar would leave it.
constexpr RECT kReducedWorkArea = {40, 20, 1800, 1000};
// The styles the game window switches to for full screen: no caption, no sizing border.
constexpr LONG kFullScreenStyle = static_cast<LONG>(WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);

RECT WorkArea()
{
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

SIZE SizeOf(const RECT& rc)
{
    return {rc.right - rc.left, rc.bottom - rc.top};
}

class Frame : public SkinnedWindowTest {
protected:
    void SetUp() override
    {
        SkinnedWindowTest::SetUp();
        m_savedWorkArea = WorkArea();
    }

    void TearDown() override { SystemParametersInfoW(SPI_SETWORKAREA, 0, &m_savedWorkArea, 0); }

    void ReduceWorkArea()
    {
        RECT reduced = kReducedWorkArea;
        ASSERT_TRUE(SystemParametersInfoW(SPI_SETWORKAREA, 0, &reduced, 0));
    }

    void SetStyle(HWND window, LONG style)
    {
        SetWindowLongW(window, GWL_STYLE, style);
        SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }

    void Click(TestWindow& window, const wchar_t* name)
    {
        driver::ClickAt(window.ScreenCentreOf(name));
    }

private:
    RECT m_savedWorkArea = {};
};

TEST_F(Frame, TheWindowHasNoSystemFrame)
{
    TestWindow window(L"frame.xml");
    Open(window);
    EXPECT_TRUE(SameRect(driver::WindowRect(window), driver::ClientRectOnScreen(window)));
    EXPECT_EQ(driver::Style(window) & WS_CAPTION, static_cast<LONG>(WS_CAPTION)) << "the styles stay as created";
}

TEST_F(Frame, TheFrameButtonsMinimiseMaximiseRestoreAndClose)
{
    ReduceWorkArea();
    TestWindow window(L"frame.xml");
    Open(window);
    const HWND handle = window.GetHWND();
    const RECT normal = driver::WindowRect(handle);
    CControlUI* maximize = window.Find(L"maxbtn");
    CControlUI* restore = window.Find(L"restorebtn");

    Click(window, L"maxbtn");
    ASSERT_TRUE(driver::WaitFor([&] { return IsZoomed(handle) != FALSE; }, kWaitMs));
    EXPECT_TRUE(SameRect(driver::WindowRect(handle), kReducedWorkArea)) << "maximised fills the work area only";
    EXPECT_FALSE(maximize->IsVisible());
    EXPECT_TRUE(restore->IsVisible());
    EXPECT_EQ(window.Find(L"topBg")->GetWidth(), SizeOf(kReducedWorkArea).cx) << "the skin follows the new size";

    Click(window, L"restorebtn");
    ASSERT_TRUE(driver::WaitFor([&] { return !IsZoomed(handle); }, kWaitMs));
    EXPECT_TRUE(SameRect(driver::WindowRect(handle), normal));
    EXPECT_TRUE(maximize->IsVisible());
    EXPECT_FALSE(restore->IsVisible());

    Click(window, L"minbtn");
    ASSERT_TRUE(driver::WaitFor([&] { return IsIconic(handle) != FALSE; }, kWaitMs));
    ShowWindow(handle, SW_RESTORE);
    ASSERT_TRUE(driver::WaitFor([&] { return !IsIconic(handle); }, kWaitMs));
    EXPECT_TRUE(maximize->IsVisible());

    Click(window, L"closebtn");
    ASSERT_TRUE(driver::WaitFor([&] { return !IsWindow(handle); }, kWaitMs));
    EXPECT_EQ(window.finalMessages, 1);
    EXPECT_EQ(window.GetHWND(), nullptr);
    EXPECT_EQ(window.clickedNames.size(), 4u) << "every one of them went through OnClick first";
}

TEST_F(Frame, DraggingTheCaptionMovesTheWindowButDraggingAButtonDoesNot)
{
    TestWindow window(L"frame.xml");
    Open(window);
    const RECT before = driver::WindowRect(window);
    const RECT title = window.Find(L"title")->GetPos();
    const POINT grip = {before.left + title.left + 10, before.top + title.top + 10};
    driver::DragMouse(grip, {grip.x + 120, grip.y + 70});
    ASSERT_TRUE(driver::WaitFor([&] { return driver::WindowRect(window).left == before.left + 120; }, kWaitMs));
    const RECT moved = driver::WindowRect(window);
    EXPECT_EQ(moved.top, before.top + 70);
    EXPECT_EQ(SizeOf(moved).cx, SizeOf(before).cx);
    EXPECT_EQ(SizeOf(moved).cy, SizeOf(before).cy);

    // The caption's buttons take the mouse themselves: pressing one and
    // leaving it neither moves the window nor clicks.
    driver::DragMouse(window.ScreenCentreOf(L"maxbtn"), {moved.left + 200, moved.top + 200});
    ASSERT_TRUE(ClickListedButton(window));
    EXPECT_TRUE(SameRect(driver::WindowRect(window), moved));
    EXPECT_FALSE(IsZoomed(window));
    EXPECT_EQ(window.clickedNames, std::vector<std::wstring>{TestWindow::kListedButton})
        << "only the listed button clicked";

    // Below the caption nothing drags either.
    const POINT body = {moved.left + 240, moved.top + 300};
    driver::DragMouse(body, {body.x + 50, body.y + 5});
    ASSERT_TRUE(ClickListedButton(window));
    EXPECT_TRUE(SameRect(driver::WindowRect(window), moved));
}

TEST_F(Frame, TheSizeBoxResizesDownToTheMinimumAndOnlyWhereTheSkinHasOne)
{
    TestWindow window(L"frame.xml");
    Open(window);
    const RECT before = driver::WindowRect(window);
    const POINT corner = {before.right - 2, before.bottom - 2};
    driver::DragMouse(corner, {corner.x + 60, corner.y + 40});
    ASSERT_TRUE(driver::WaitFor([&] { return SizeOf(driver::WindowRect(window)).cx == 480 + 60; }, kWaitMs));
    EXPECT_EQ(SizeOf(driver::WindowRect(window)).cy, 320 + 40);
    EXPECT_EQ(driver::WindowRect(window).left, before.left);
    EXPECT_EQ(window.Find(L"topBg")->GetWidth(), 480 + 60);

    const RECT grown = driver::WindowRect(window);
    const POINT left = {grown.left + 2, grown.top + 100};
    driver::DragMouse(left, {left.x + 1000, left.y});
    // Wine's sizing loop stops one pixel short of the minimum width.
    ASSERT_TRUE(driver::WaitFor([&] { return SizeOf(driver::WindowRect(window)).cx <= 241; }, kWaitMs));
    ASSERT_TRUE(ClickListedButton(window)) << "the drag's release was not handled";
    EXPECT_NEAR(SizeOf(driver::WindowRect(window)).cx, 240, 1) << "mininfo stops the shrinking";
    EXPECT_EQ(driver::WindowRect(window).right, grown.right);

    TestWindow fixed(L"fixed.xml");
    Open(fixed);
    const RECT fixedBefore = driver::WindowRect(fixed);
    const POINT fixedCorner = {fixedBefore.right - 2, fixedBefore.bottom - 2};
    driver::DragMouse(fixedCorner, {fixedCorner.x + 60, fixedCorner.y + 40});
    // The same window's caption does drag: once it has moved, the corner's drag has been handled.
    const POINT fixedGrip = {fixedBefore.left + 30, fixedBefore.top + 20};
    driver::DragMouse(fixedGrip, {fixedGrip.x + 30, fixedGrip.y + 20});
    ASSERT_TRUE(driver::WaitFor([&] { return driver::WindowRect(fixed).left == fixedBefore.left + 30; }, kWaitMs));
    EXPECT_EQ(driver::WindowRect(fixed).top, fixedBefore.top + 20);
    EXPECT_EQ(SizeOf(driver::WindowRect(fixed)).cx, SizeOf(fixedBefore).cx) << "the fixed window was resized";
    EXPECT_EQ(SizeOf(driver::WindowRect(fixed)).cy, SizeOf(fixedBefore).cy) << "the fixed window was resized";
}

TEST_F(Frame, WithoutCaptionAndSizingStylesTheSkinNeitherDragsNorResizes)
{
    TestWindow window(L"frame.xml");
    Open(window);
    SetStyle(window, kFullScreenStyle | WS_VISIBLE);
    const RECT before = driver::WindowRect(window);
    const RECT title = window.Find(L"title")->GetPos();
    const POINT grip = {before.left + title.left + 10, before.top + title.top + 10};
    driver::DragMouse(grip, {grip.x + 120, grip.y + 70});
    ASSERT_TRUE(ClickListedButton(window));
    EXPECT_TRUE(SameRect(driver::WindowRect(window), before)) << "the caption area dragged the window";

    const RECT unsized = driver::WindowRect(window);
    const POINT corner = {unsized.right - 2, unsized.bottom - 2};
    driver::DragMouse(corner, {corner.x + 60, corner.y + 40});
    ASSERT_TRUE(ClickListedButton(window));
    EXPECT_TRUE(SameRect(driver::WindowRect(window), unsized)) << "the size box resized the window";

    // With the caption style back, the same drag moves the window.
    SetStyle(window, static_cast<LONG>(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN));
    const POINT unsizedGrip = {unsized.left + title.left + 10, unsized.top + title.top + 10};
    driver::DragMouse(unsizedGrip, {unsizedGrip.x + 120, unsizedGrip.y + 70});
    EXPECT_TRUE(driver::WaitFor([&] { return driver::WindowRect(window).left == unsized.left + 120; }, kWaitMs));
}

TEST_F(Frame, DoubleClickingTheCaptionMaximisesOnlyAResizableWindow)
{
    TestWindow fixed(L"fixed.xml");
    Open(fixed);
    TestWindow sizable(L"frame.xml");
    Open(sizable);
    // Side by side, each caption clear of the other window.
    SetWindowPos(fixed, nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(sizable, nullptr, 600, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const RECT fixedRect = driver::WindowRect(fixed);
    const RECT title = sizable.Find(L"title")->GetPos();
    const RECT rc = driver::WindowRect(sizable);

    driver::DoubleClickAt({fixedRect.left + 30, fixedRect.top + 20});
    driver::DoubleClickAt({rc.left + title.left + 10, rc.top + title.top + 10});
    // The resizable window's double click comes after the fixed one's: once
    // it has maximised its window, the fixed window's has been handled.
    ASSERT_TRUE(driver::WaitFor([&] { return IsZoomed(sizable) != FALSE; }, kWaitMs));
    EXPECT_FALSE(sizable.Find(L"maxbtn")->IsVisible());
    EXPECT_FALSE(IsZoomed(fixed));
    EXPECT_TRUE(SameRect(driver::WindowRect(fixed), fixedRect));
}

TEST_F(Frame, EscapeAndReturnCloseNothing)
{
    TestWindow window(L"frame.xml");
    Open(window);
    ASSERT_TRUE(driver::BringToForeground(window));
    driver::PressKey(VK_ESCAPE);
    driver::PressKey(VK_RETURN);
    ASSERT_TRUE(driver::WaitFor([&] { return window.keysDown.size() == 2; }, kWaitMs));
    // A close that the keys posted would come before the click.
    ASSERT_TRUE(ClickListedButton(window));
    EXPECT_EQ(window.keysDown[0], static_cast<WPARAM>(VK_ESCAPE));
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(driver::IsVisible(window));
}

TEST_F(Frame, CenterWindowCentresOverTheOwnerElseOnTheWorkArea)
{
    ReduceWorkArea();
    TestWindow alone(L"fixed.xml");
    Open(alone);
    alone.CenterWindow();
    const RECT centred = driver::WindowRect(alone);
    EXPECT_EQ(centred.left, kReducedWorkArea.left + (SizeOf(kReducedWorkArea).cx - 300) / 2);
    EXPECT_EQ(centred.top, kReducedWorkArea.top + (SizeOf(kReducedWorkArea).cy - 200) / 2);

    TestWindow owner(L"frame.xml");
    Open(owner);
    SetWindowPos(owner, nullptr, 500, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    TestWindow owned(L"fixed.xml");
    Open(owned, owner);
    owned.CenterWindow();
    EXPECT_EQ(driver::WindowRect(owned).left, 500 + (480 - 300) / 2);
    EXPECT_EQ(driver::WindowRect(owned).top, 300 + (320 - 200) / 2);

    // Over an owner at the edge it stays inside the work area.
    SetWindowPos(owner, nullptr, kReducedWorkArea.left - 200, kReducedWorkArea.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    owned.CenterWindow();
    EXPECT_EQ(driver::WindowRect(owned).left, kReducedWorkArea.left);
}

TEST_F(Frame, ShowWindowShowsInTheCurrentStateAndTakesTheFocus)
{
    TestWindow other(L"fixed.xml");
    Open(other);
    TestWindow window(L"frame.xml");
    Open(window);
    window.ShowWindow(false);
    EXPECT_FALSE(driver::IsVisible(window));
    ASSERT_TRUE(driver::BringToForeground(other));

    window.ShowWindow(true, true);
    EXPECT_TRUE(driver::IsVisible(window));
    EXPECT_EQ(GetActiveWindow(), window.GetHWND());

    ShowWindow(window, SW_MAXIMIZE);
    window.ShowWindow(false);
    window.ShowWindow(true, true);
    EXPECT_TRUE(IsZoomed(window)) << "showing again does not restore a maximised window";
}

}  // namespace
