// The boss key as a player meets it: Zarnith.exe under Wine with the real
// engine, its game window hidden to an icon in the notification area by the
// top bar's button or the boss hot key (F9 unless configured), and brought
// back by a real click on the icon as the system shows it, or the hot key.
// Wine draws the icons on the X display's own desktop in its stand-alone tray
// window, where a real click reaches them.
#include "game_window_controls.h"
#include "launcher_session.h"
#include "rect_printing.h"
#include "settings_folder_set_aside.h"
#include "test_window.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using launchertest::kGamePageBlurReport;
using launchertest::kGamePageFocusReport;
using launchertest::kGamePageKeyPressReport;
using launchertest::LauncherSession;

// The game window's icon: its identifier and the message it sends back.
constexpr UINT kTrayIconId = 102;
constexpr UINT kTrayNotifyMessage = 1024 + 1005;
// The settings file's codes for Escape (no boss key) and the defaults.
constexpr unsigned kEscapeCode = 27;
// WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, shown.
constexpr LONG kFullScreenStyle = 0x86000000 | WS_VISIBLE;
// This test's own icon, clicked after the game window's to know when the
// notification area has passed that click on.
constexpr UINT kMarkerIconId = 7;
constexpr UINT kMarkerIconMessage = WM_APP + 7;
// The full-screen bar slides up 3 s after it came into view; a little more.
constexpr DWORD kBarSlideMs = 4000;

POINT Centre(HWND window)
{
    const RECT rect = driver::WindowRect(window);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

std::string MessagesOf(const std::vector<TestWindow::Message>& messages)
{
    std::string list;
    for (const TestWindow::Message& message : messages)
        list += std::to_string(message.lParam) + " ";
    return list;
}

bool Contains(const std::vector<HWND>& windows, HWND window)
{
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

// An icon added to the notification area for a window, removed again when
// the object goes; add() tells whether the system took it.
class NotificationIcon {
public:
    NotificationIcon(HWND owner, UINT id, UINT callbackMessage)
    {
        m_data.cbSize = sizeof m_data;
        m_data.hWnd = owner;
        m_data.uID = id;
        m_data.uFlags = NIF_MESSAGE | NIF_ICON;
        m_data.uCallbackMessage = callbackMessage;
        m_data.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
    }
    ~NotificationIcon()
    {
        if (m_added)
            Shell_NotifyIconW(NIM_DELETE, &m_data);
    }
    NotificationIcon(const NotificationIcon&) = delete;
    NotificationIcon& operator=(const NotificationIcon&) = delete;

    bool Add()
    {
        m_added = Shell_NotifyIconW(NIM_ADD, &m_data) != FALSE;
        return m_added;
    }

private:
    NOTIFYICONDATAW m_data = {};
    bool m_added = false;
};

class BossKey : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(driver::ProcessesNamed(launchertest::kExecutableName).empty()) << "a launcher is already running";
        ASSERT_TRUE(m_session.Site().IsListening()) << "the demo site's port is taken";
        m_iconsBefore = driver::NotificationAreaIcons();
    }

    HWND OpenGameWindow()
    {
        return m_session.Start() ? launchertest::OpenGameWindow(m_session, L"tester") : nullptr;
    }

    // The icons added since the test began.
    std::vector<HWND> NewIcons() const
    {
        std::vector<HWND> added;
        for (HWND icon : driver::NotificationAreaIcons()) {
            if (!Contains(m_iconsBefore, icon))
                added.push_back(icon);
        }
        return added;
    }

    // Waits until the one icon added since the test began is in its place,
    // where a click reaches it; returns it.
    HWND WaitForNewIcon() const
    {
        HWND icon = nullptr;
        driver::WaitFor(
            [&] {
                const std::vector<HWND> added = NewIcons();
                icon = added.size() == 1 && WindowFromPoint(Centre(added[0])) == added[0] ? added[0] : nullptr;
                return icon != nullptr;
            },
            launchertest::kWindowTimeoutMs);
        return icon;
    }

    // Waits until the window is hidden and one icon has been added; returns the icon.
    HWND WaitForHiddenToIcon(HWND game) const
    {
        const HWND icon = WaitForNewIcon();
        const bool hidden = driver::WaitFor([&] { return !driver::IsVisible(game); }, launchertest::kWindowTimeoutMs);
        return hidden ? icon : nullptr;
    }

    // Back means shown, in front with the keyboard, and without the icon.
    bool WaitForShownWithoutIcon(HWND game) const
    {
        return driver::WaitFor(
            [&] { return driver::IsVisible(game) && GetForegroundWindow() == game && NewIcons().empty(); },
            launchertest::kWindowTimeoutMs);
    }

    // Hands the game window a message as the notification area does and waits until it has been handled.
    static bool SendIconMessage(HWND game, UINT mouseMessage)
    {
        DWORD_PTR result = 0;
        return SendMessageTimeoutW(game, kTrayNotifyMessage, kTrayIconId, mouseMessage, SMTO_NORMAL,
                                   launchertest::kWindowTimeoutMs, &result) != 0;
    }

    // The page reports each time it gains or loses the keyboard, numbered.
    // It opens with the keyboard, without a report, so it has the keyboard
    // when it has gained it as often as it lost it.
    size_t PageBlurs() { return m_session.Site().CountRequestsStartingWith(kGamePageBlurReport); }
    bool PageHasKeyboard()
    {
        return m_session.Site().CountRequestsStartingWith(kGamePageFocusReport) >= PageBlurs();
    }
    // The page's reports of the keyboard so far, in arrival order.
    std::string PageKeyboardHistory()
    {
        std::string history;
        for (const std::string& path : m_session.Site().RequestedPaths()) {
            for (const char* report : {kGamePageFocusReport, kGamePageBlurReport, kGamePageKeyPressReport}) {
                if (path.rfind(report, 0) == 0)
                    history += (history.empty() ? "" : ", ") + path;
            }
        }
        return history;
    }

    // The page loses the keyboard as its window goes away (blursBefore is
    // read before that), and gains it again once the window is back; the
    // engine hands the keyboard on to the page on its own thread, a moment
    // after the window came back.
    void ExpectPageLostKeyboard(size_t blursBefore, const char* when)
    {
        EXPECT_TRUE(driver::WaitFor([&] { return PageBlurs() > blursBefore; }, launchertest::kWindowTimeoutMs))
            << "the game page kept the keyboard " << when << "; it reported " << PageKeyboardHistory();
    }
    void ExpectPageRegainsKeyboard(HWND game, const char* after)
    {
        EXPECT_TRUE(driver::WaitFor([&] { return PageHasKeyboard(); }, launchertest::kWindowTimeoutMs))
            << "the game page did not gain the keyboard " << after << "; it is with "
            << Utf8Class(driver::FocusOnThreadOf(game)) << "; it reported " << PageKeyboardHistory();
    }

    // A key press, with no click before it, reaches the game page, whose
    // count of key presses the site sees. When it does not, what has the
    // keyboard is printed, with the windows that were the foreground while
    // the test waited, the page's reports, and whether a second press
    // reaches the page (a lost press, or a lost keyboard).
    void ExpectKeyPressReachesPage(HWND game, const char* after)
    {
        std::vector<HWND> foregrounds = {GetForegroundWindow()};
        driver::PressKey('A');
        const std::string report = kGamePageKeyPressReport + std::to_string(m_keyPressesSeen + 1);
        const bool reached = driver::WaitFor(
            [&] {
                if (GetForegroundWindow() != foregrounds.back())
                    foregrounds.push_back(GetForegroundWindow());
                return m_session.Site().CountRequests(report) == 1;
            },
            launchertest::kWindowTimeoutMs);
        if (reached) {
            ++m_keyPressesSeen;
            return;
        }
        const HWND focus = driver::FocusOnThreadOf(game);
        std::string foregroundClasses;
        for (HWND foreground : foregrounds)
            foregroundClasses += (foregroundClasses.empty() ? "" : ", ") + Utf8Class(foreground) +
                                 (foreground == game ? " (the game window)" : "");
        launchertest::PrintInputScene(std::string("a key press ") + after + " did not reach the game page", game);
        driver::PressKey('A');
        const bool secondReached = driver::WaitFor(
            [&] { return m_session.Site().CountRequests(report) == 1; }, launchertest::kWindowTimeoutMs);
        ADD_FAILURE() << "a key press " << after << " did not reach the game page; the keyboard is with "
                      << Utf8Class(focus) << (focus == game ? " (the game window)" : "")
                      << "; the foreground was " << foregroundClasses << "; the page "
                      << (PageHasKeyboard() ? "has" : "has not") << " the keyboard; a second press "
                      << (secondReached ? "reached it" : "did not reach it either") << "; it reported "
                      << PageKeyboardHistory();
    }

    static std::string Utf8Class(HWND window)
    {
        return window ? launchertest::Utf8(driver::WindowClass(window)) : std::string("no window");
    }

    // Removes the game window's icon as a restarting shell loses it, behind
    // the launcher's back; waits until it is gone.
    bool LoseIcon(HWND game) const
    {
        NOTIFYICONDATAW icon = {};
        icon.cbSize = sizeof(icon);
        icon.hWnd = game;
        icon.uID = kTrayIconId;
        return Shell_NotifyIconW(NIM_DELETE, &icon) &&
               driver::WaitFor([&] { return NewIcons().empty(); }, launchertest::kWindowTimeoutMs);
    }

    // As a shell that starts again tells every top-level window.
    static void BroadcastTaskbarCreated()
    {
        SendNotifyMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    }

    SettingsFolderSetAside m_settings{LauncherSettingsFolder()};
    LauncherSession m_session;
    std::vector<HWND> m_iconsBefore;
    int m_keyPressesSeen = 0;
};

TEST_F(BossKey, TheButtonHidesTheWindowToAnIconThatALeftClickTurnsBackIntoTheWindow)
{
    TestWindow::Options hidden;
    hidden.caption = L"boss key test: marker icon";
    hidden.style = WS_POPUP;
    TestWindow marker(hidden);
    NotificationIcon markerIcon(marker.handle(), kMarkerIconId, kMarkerIconMessage);
    ASSERT_TRUE(markerIcon.Add());
    const HWND markerIconWindow = WaitForNewIcon();
    ASSERT_NE(markerIconWindow, nullptr);
    m_iconsBefore.push_back(markerIconWindow);

    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    const RECT windowed = driver::WindowRect(game);
    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::BossKey);
    const HWND icon = WaitForHiddenToIcon(game);
    ASSERT_NE(icon, nullptr) << "no hidden window with an icon";

    // The pointer's other messages do nothing: after each has been handled
    // the window is still hidden and the icon still there.
    for (UINT mouseMessage : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK,
                              WM_MBUTTONUP, WM_CONTEXTMENU}) {
        ASSERT_TRUE(SendIconMessage(game, mouseMessage));
        EXPECT_FALSE(driver::IsVisible(game)) << "shown by message " << mouseMessage;
        EXPECT_TRUE(driver::IsVisible(icon)) << "icon gone after message " << mouseMessage;
    }

    // A real right click: once the click on the marker icon after it has
    // arrived, the notification area has passed the right click on, and once
    // a message sent after that has been handled, so has the game window.
    ASSERT_EQ(WindowFromPoint(Centre(markerIconWindow)), markerIconWindow) << "the marker icon has moved";
    driver::RightClickAtPinned(Centre(icon));
    driver::ClickAtPinned(Centre(markerIconWindow));
    ASSERT_TRUE(driver::WaitFor(
        [&] {
            for (const TestWindow::Message& message : marker.Received(kMarkerIconMessage)) {
                if (message.lParam == WM_LBUTTONUP)
                    return true;
            }
            return false;
        },
        launchertest::kWindowTimeoutMs))
        << "the marker icon's messages: " << MessagesOf(marker.Received(kMarkerIconMessage))
        << "; at its centre now " << WindowFromPoint(Centre(markerIconWindow)) << ", the icon " << markerIconWindow
        << "; the game window visible " << driver::IsVisible(game);
    ASSERT_TRUE(SendIconMessage(game, WM_NULL));
    EXPECT_FALSE(driver::IsVisible(game)) << "shown by a right click";
    EXPECT_EQ(NewIcons(), std::vector<HWND>{icon});

    // A real left click brings the window back where it was and takes the icon away.
    driver::ClickAtPinned(Centre(icon));
    EXPECT_TRUE(WaitForShownWithoutIcon(game));
    EXPECT_EQ(driver::WindowRect(game), windowed);
}

TEST_F(BossKey, TheHotKeyAndADoubleClickBringTheWindowBackAndTwoPressesLeaveItShown)
{
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);

    driver::PressKey(VK_F9);
    ASSERT_NE(WaitForHiddenToIcon(game), nullptr);
    driver::PressKey(VK_F9);
    EXPECT_TRUE(WaitForShownWithoutIcon(game));

    // A double click on the icon, as the notification area reports it (a real
    // one cannot reach the icon twice: its first release already removes it).
    driver::PressKey(VK_F9);
    ASSERT_NE(WaitForHiddenToIcon(game), nullptr);
    ASSERT_TRUE(SendIconMessage(game, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(WaitForShownWithoutIcon(game));

    // Two presses in a row: shown, no icon, once both have been handled.
    driver::PressKey(VK_F9);
    driver::PressKey(VK_F9);
    ASSERT_TRUE(launchertest::GameWindowCaughtUp(game));
    EXPECT_TRUE(driver::IsVisible(game));
    EXPECT_TRUE(NewIcons().empty());
}

TEST_F(BossKey, AMinimisedWindowIsHiddenToo)
{
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::Minimise);
    ASSERT_TRUE(driver::WaitFor([&] { return IsIconic(game) != FALSE; }, launchertest::kWindowTimeoutMs));
    ASSERT_TRUE(driver::IsVisible(game));

    driver::PressKey(VK_F9);
    const HWND icon = WaitForHiddenToIcon(game);
    ASSERT_NE(icon, nullptr);
    driver::ClickAtPinned(Centre(icon));
    EXPECT_TRUE(WaitForShownWithoutIcon(game));
}

TEST_F(BossKey, WhileHiddenActivationLaysNothingOut)
{
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    const HWND browser = launchertest::BrowserWindowIn(game);
    driver::PressKey(VK_F9);
    ASSERT_NE(WaitForHiddenToIcon(game), nullptr);

    // The browser moved aside: a layout would put it back (and show the window).
    SetWindowPos(browser, nullptr, 10, 50, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT client = driver::ClientRectOnScreen(game);
    const RECT aside = {client.left + 10, client.top + 50, client.left + 410, client.top + 350};
    ASSERT_TRUE(driver::WaitFor([&] { return driver::WindowRect(browser) == aside; }, launchertest::kWindowTimeoutMs));
    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutW(game, WM_ACTIVATE, WA_ACTIVE, 0, SMTO_NORMAL, launchertest::kWindowTimeoutMs,
                                    &result));
    EXPECT_FALSE(driver::IsVisible(game));
    EXPECT_EQ(driver::WindowRect(browser), aside);

    // Shown again, activation lays the window out.
    driver::PressKey(VK_F9);
    ASSERT_TRUE(WaitForShownWithoutIcon(game));
    ASSERT_TRUE(SendMessageTimeoutW(game, WM_ACTIVATE, WA_ACTIVE, 0, SMTO_NORMAL, launchertest::kWindowTimeoutMs,
                                    &result));
    EXPECT_TRUE(driver::WaitFor(
        [&] { return driver::WindowRect(browser) == launchertest::WindowedBrowserRect(game); },
        launchertest::kWindowTimeoutMs));
}

TEST_F(BossKey, WhileHiddenAMoveOrASizeChangeKeepsTheWindowHiddenAndTheIconComesOffOnce)
{
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    driver::PressKey(VK_F9);
    ASSERT_NE(WaitForHiddenToIcon(game), nullptr);

    // As a display change or another program would: both lay the window out.
    const RECT before = driver::WindowRect(game);
    ASSERT_TRUE(SetWindowPos(game, nullptr, before.left + 20, before.top + 10, before.right - before.left - 40,
                             before.bottom - before.top - 30, SWP_NOZORDER | SWP_NOACTIVATE));
    EXPECT_FALSE(driver::IsVisible(game)) << "a move or size change showed the hidden window";
    EXPECT_EQ(NewIcons().size(), 1u);

    // The hot key brings it back and takes the icon off; twice more, the same.
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        driver::PressKey(VK_F9);
        ASSERT_TRUE(WaitForShownWithoutIcon(game)) << "the window did not come back, or its icon stayed";
        driver::PressKey(VK_F9);
        ASSERT_NE(WaitForHiddenToIcon(game), nullptr);
    }
    driver::PressKey(VK_F9);
    EXPECT_TRUE(WaitForShownWithoutIcon(game));
}

TEST_F(BossKey, AnIconThatWentMissingIsAddedAgainAtTheNextHide)
{
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    driver::PressKey(VK_F9);
    ASSERT_NE(WaitForHiddenToIcon(game), nullptr);

    // The icon goes as it does when the shell restarts: the launcher's own
    // removal then fails when the window comes back.
    ASSERT_TRUE(LoseIcon(game));
    driver::PressKey(VK_F9);
    ASSERT_TRUE(WaitForShownWithoutIcon(game));

    // Hidden again, the window has its icon.
    driver::PressKey(VK_F9);
    EXPECT_NE(WaitForHiddenToIcon(game), nullptr) << "hidden without an icon to bring it back";
    driver::PressKey(VK_F9);
    EXPECT_TRUE(WaitForShownWithoutIcon(game));
}

TEST_F(BossKey, InFullScreenTheBarHidesWithTheWindowAndEscapeIsFreeUntilBothComeBack)
{
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::FullScreen);
    const HWND bar = launchertest::WaitForFullScreenBar(m_session.Process().id);
    ASSERT_NE(bar, nullptr);
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_EQ(driver::TakenModifierSets(VK_ESCAPE), std::vector<UINT>{0});

    driver::PressKey(VK_F9);
    ASSERT_NE(WaitForHiddenToIcon(game), nullptr);
    EXPECT_TRUE(driver::WaitFor([&] { return !driver::IsVisible(bar); }, launchertest::kWindowTimeoutMs))
        << "the bar shows that a game is running";
    EXPECT_TRUE(driver::WaitFor([] { return driver::TakenModifierSets(VK_ESCAPE).empty(); },
                                launchertest::kWindowTimeoutMs))
        << "Escape held while the game is hidden";
    // Past the bar's slide: it stays hidden.
    driver::PumpMessagesFor(kBarSlideMs);
    EXPECT_FALSE(driver::IsVisible(bar));

    driver::PressKey(VK_F9);
    EXPECT_TRUE(WaitForShownWithoutIcon(game));
    EXPECT_EQ(driver::WindowRect(game), screen);
    EXPECT_EQ(driver::Style(game), kFullScreenStyle);
    // The bar follows the window in front.
    EXPECT_TRUE(driver::WaitFor([&] { return driver::IsVisible(bar); }, launchertest::kWindowTimeoutMs));
    EXPECT_EQ(driver::TakenModifierSets(VK_ESCAPE), std::vector<UINT>{0});
    driver::PressKey(VK_ESCAPE);
    EXPECT_TRUE(driver::WaitFor([&] { return !IsWindow(bar); }, launchertest::kWindowTimeoutMs));
}

TEST_F(BossKey, TheShellsRestartAddsAShownIconAgainAndNoIconWhenNoneIsShown)
{
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);

    // No icon shown: the broadcast adds none.
    BroadcastTaskbarCreated();
    ASSERT_TRUE(launchertest::GameWindowCaughtUp(game));
    EXPECT_TRUE(NewIcons().empty());

    // Hidden to its icon, which a restarting shell has lost: the broadcast
    // reaches the hidden window, which adds its icon again.
    driver::PressKey(VK_F9);
    ASSERT_NE(WaitForHiddenToIcon(game), nullptr);
    ASSERT_TRUE(LoseIcon(game));
    BroadcastTaskbarCreated();
    const HWND again = WaitForNewIcon();
    ASSERT_NE(again, nullptr) << "the hidden window did not add its icon again";
    EXPECT_FALSE(driver::IsVisible(game));

    // And the icon works.
    driver::ClickAtPinned(Centre(again));
    EXPECT_TRUE(WaitForShownWithoutIcon(game));
}

TEST_F(BossKey, KeysReachTheGamePageWithoutAClickAfterRestoreAndAfterTheBossKey)
{
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    ExpectKeyPressReachesPage(game, "after the hand-over");

    // Minimised and restored, as the taskbar's button does.
    size_t blurs = PageBlurs();
    PostMessageW(game, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(driver::WaitFor([&] { return IsIconic(game) != FALSE; }, launchertest::kWindowTimeoutMs));
    ExpectPageLostKeyboard(blurs, "while minimised");
    PostMessageW(game, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(driver::WaitFor([&] { return !IsIconic(game); }, launchertest::kWindowTimeoutMs));
    ASSERT_TRUE(driver::WaitForSettledForeground(game)) << "the restored window did not stay in front";
    ExpectPageRegainsKeyboard(game, "after a restore");
    ExpectKeyPressReachesPage(game, "after a restore");

    // Hidden and brought back by the boss key.
    blurs = PageBlurs();
    driver::PressKey(VK_F9);
    ASSERT_NE(WaitForHiddenToIcon(game), nullptr);
    ExpectPageLostKeyboard(blurs, "while hidden");
    driver::PressKey(VK_F9);
    ASSERT_TRUE(WaitForShownWithoutIcon(game));
    ExpectPageRegainsKeyboard(game, "after the boss key's return");
    ExpectKeyPressReachesPage(game, "after the boss key's return");

    // Another window in front, then the game window activated again.
    blurs = PageBlurs();
    TestWindow other({});
    ASSERT_TRUE(driver::BringToForeground(other.handle()));
    ExpectPageLostKeyboard(blurs, "while another window was in front");
    ASSERT_TRUE(driver::BringToForeground(game));
    ExpectPageRegainsKeyboard(game, "after another window was in front");
    ExpectKeyPressReachesPage(game, "after another window was in front");
}

// The system refuses a second icon of the same window and identifier: this
// test adds one for the game window first, so that the launcher's own fails.
TEST_F(BossKey, WithoutTheIconAndWithoutABossHotKeyTheButtonLeavesTheWindowShown)
{
    ASSERT_TRUE(WriteHotKeyCodes(kEscapeCode, kEscapeCode));
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    EXPECT_TRUE(driver::TakenModifierSets(VK_F9).empty()) << "a boss hot key is registered";
    NotificationIcon inTheWay(game, kTrayIconId, kTrayNotifyMessage);
    ASSERT_TRUE(inTheWay.Add());
    ASSERT_NE(WaitForNewIcon(), nullptr);

    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::BossKey);
    // The hover needs the window on screen; it comes after the click has been handled.
    ASSERT_TRUE(launchertest::GameWindowCaughtUp(game)) << "the window did not stay";
    EXPECT_TRUE(driver::IsVisible(game));
    EXPECT_EQ(NewIcons().size(), 1u);
}

TEST_F(BossKey, WithoutTheIconTheButtonHidesTheWindowAndTheHotKeyBringsItBack)
{
    const HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    NotificationIcon inTheWay(game, kTrayIconId, kTrayNotifyMessage);
    ASSERT_TRUE(inTheWay.Add());
    const HWND onlyTheTests = WaitForNewIcon();
    ASSERT_NE(onlyTheTests, nullptr);

    launchertest::ClickTopBarButton(game, launchertest::TopBarButton::BossKey);
    EXPECT_TRUE(driver::WaitFor([&] { return !driver::IsVisible(game); }, launchertest::kWindowTimeoutMs));
    EXPECT_EQ(NewIcons(), std::vector<HWND>{onlyTheTests});
    driver::PressKey(VK_F9);
    EXPECT_TRUE(driver::WaitFor([&] { return driver::IsVisible(game); }, launchertest::kWindowTimeoutMs));
    EXPECT_EQ(NewIcons(), std::vector<HWND>{onlyTheTests});
}

}  // namespace
