// Real mouse clicks on skinned buttons reach the window through its message map.
#include "skinned_window_test.h"
#include "toolkit/button.h"
#include "toolkit/container.h"

namespace {

class Clicks : public SkinnedWindowTest {
protected:
    void ClickAndSettle(POINT screen)
    {
        driver::ClickAt(screen);
        driver::PumpMessagesFor(kSettleMs);
    }
};

TEST_F(Clicks, AClickReachesOnClickThroughTheMessageMapWithItsSender)
{
    TestWindow window(L"frame.xml");
    Open(window);
    const RECT before = driver::WindowRect(window);
    driver::ClickAt(window.ScreenCentreOf(TestWindow::kListedButton));
    ASSERT_TRUE(driver::WaitFor([&] { return !window.clickedNames.empty(); }, kWaitMs));
    driver::PumpMessagesFor(kSettleMs);
    ASSERT_EQ(window.clickedNames.size(), 1u);
    EXPECT_EQ(window.clickedNames[0], TestWindow::kListedButton);
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

    ClickAndSettle(window.ScreenCentreOf(L"unlistedbtn"));
    ClickAndSettle(unnamedCentre);

    ASSERT_EQ(window.clickedNames.size(), 2u);
    EXPECT_EQ(window.clickedNames[0], L"unlistedbtn");
    EXPECT_EQ(window.clickedSenders[1], unnamed);
    EXPECT_EQ(window.listedActions, 0);
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
    driver::PumpMessagesFor(kSettleMs);

    ClickAndSettle(window.ScreenCentreOf(L"disabledbtn"));
    EXPECT_TRUE(window.clickedNames.empty());

    // The same button still clicks when released over itself.
    ClickAndSettle(window.ScreenCentreOf(TestWindow::kListedButton));
    EXPECT_EQ(window.listedActions, 1);
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
    ClickAndSettle(window.ScreenCentreOf(L"unlistedbtn"));
    ClickAndSettle(window.ScreenCentreOf(TestWindow::kListedButton));
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
