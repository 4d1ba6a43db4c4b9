// Real mouse clicks on skinned buttons reach the window through its message map.
#include "skinned_window_test.h"
#include "toolkit/button.h"
#include "toolkit/container.h"

namespace {

using Clicks = SkinnedWindowTest;
using Names = std::vector<std::wstring>;

TEST_F(Clicks, AClickReachesOnClickThroughTheMessageMapWithItsSender)
{
    TestWindow window(L"frame.xml");
    Open(window);
    const RECT before = driver::WindowRect(window);
    driver::ClickAt(window.ScreenCentreOf(TestWindow::kListedButton));
    // A second button's click after it: once that has arrived, the first one
    // has been handled with all it caused.
    driver::ClickAt(window.ScreenCentreOf(L"unlistedbtn"));
    ASSERT_TRUE(driver::WaitFor(
        [&] { return !window.clickedNames.empty() && window.clickedNames.back() == L"unlistedbtn"; }, kWaitMs));
    EXPECT_EQ(window.clickedNames, (Names{TestWindow::kListedButton, L"unlistedbtn"})) << "one notification a click";
    EXPECT_EQ(window.clickedSenders[0], window.Find(TestWindow::kListedButton));
    EXPECT_EQ(window.listedActions, 1);
    EXPECT_TRUE(SameRect(before, driver::WindowRect(window)));
}

TEST_F(Clicks, UnlistedAndUnnamedButtonsGetOnlyTheDefaultHandling)
{
    TestWindow window(L"frame.xml");
    Open(window);
    auto* body = dynamic_cast<CContainerUI*>(window.Find(L"body"));
    ASSERT_NE(body, nullptr);
    CControlUI* unnamed = body->GetItemAt(2);
    ASSERT_TRUE(unnamed->GetName().IsEmpty());
    POINT unnamedCentre = {(unnamed->GetPos().left + unnamed->GetPos().right) / 2,
                           (unnamed->GetPos().top + unnamed->GetPos().bottom) / 2};
    ClientToScreen(window, &unnamedCentre);
    const RECT before = driver::WindowRect(window);

    driver::ClickAt(window.ScreenCentreOf(L"unlistedbtn"));
    driver::ClickAt(unnamedCentre);
    ASSERT_TRUE(ClickListedButton(window));

    EXPECT_EQ(window.clickedNames, (Names{L"unlistedbtn", L"", TestWindow::kListedButton}));
    EXPECT_EQ(window.clickedSenders[1], unnamed);
    EXPECT_EQ(window.listedActions, 1) << "only the listed button's own click acted";
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsZoomed(window));
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(SameRect(before, driver::WindowRect(window)));
}

TEST_F(Clicks, AButtonReleasedElsewhereOrDisabledSendsNoClick)
{
    TestWindow window(L"frame.xml");
    Open(window);
    auto* listed = dynamic_cast<CButtonUI*>(window.Find(TestWindow::kListedButton));
    ASSERT_NE(listed, nullptr);

    driver::MoveMouseTo(window.ScreenCentreOf(TestWindow::kListedButton));
    driver::PressLeftButton();
    EXPECT_TRUE(driver::WaitFor([&] { return listed->GetState() == CButtonUI::State::Pushed; }, kWaitMs));
    driver::MoveMouseTo(window.ScreenCentreOf(L"unlistedbtn"));
    EXPECT_TRUE(driver::WaitFor([&] { return listed->GetState() == CButtonUI::State::Normal; }, kWaitMs))
        << "a pressed button away from the pointer looks normal";
    driver::ReleaseLeftButton();
    driver::ClickAt(window.ScreenCentreOf(L"disabledbtn"));

    // The same button still clicks when released over itself; once that click
    // has arrived, the release elsewhere and the disabled button's click have
    // been handled.
    ASSERT_TRUE(ClickListedButton(window));
    EXPECT_EQ(window.clickedNames, Names{TestWindow::kListedButton});
}

// A window whose own map sends one control's clicks elsewhere and leaves the
// rest to the map it builds on.
class RoutingWindow : public TestWindow {
public:
    RoutingWindow() : TestWindow(L"frame.xml") {}

    void OnUnlistedClick(TNotifyUI& msg) { routedToUnlisted.push_back(msg.pSender); }

    std::vector<CControlUI*> routedToUnlisted;

    NOTIFY_MAP_DECLARE()
};

NOTIFY_MAP_BEGIN(RoutingWindow, TestWindow)
NOTIFY_MAP_ENTRY(kNotifyClick, L"unlistedbtn", &RoutingWindow::OnUnlistedClick)
NOTIFY_MAP_END()

TEST_F(Clicks, TheMostDerivedMatchingEntryTakesTheNotification)
{
    RoutingWindow window;
    Open(window);
    driver::ClickAt(window.ScreenCentreOf(L"unlistedbtn"));
    ASSERT_TRUE(ClickListedButton(window));
    ASSERT_EQ(window.routedToUnlisted.size(), 1u);
    EXPECT_EQ(window.routedToUnlisted[0], window.Find(L"unlistedbtn"));
    ASSERT_EQ(window.clickedNames.size(), 1u) << "the named entry took the unlisted button's click";
    EXPECT_EQ(window.clickedNames[0], TestWindow::kListedButton);

    // Other notification types match no entry.
    window.Manager().SendNotify(window.Find(L"unlistedbtn"), L"itemselect");
    window.Manager().SendNotify(window.Find(TestWindow::kListedButton), L"itemselect");
    EXPECT_EQ(window.routedToUnlisted.size(), 1u);
    EXPECT_EQ(window.clickedNames.size(), 1u);
}

}  // namespace
