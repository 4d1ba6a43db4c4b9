// Real mouse and keyboard input reaching windows the test creates.
#include "driver.h"
#include "helper_process.h"
#include "test_window.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kInputTimeoutMs = 3000;
constexpr int kHelperExitCode = 23;
constexpr int kButtonId = 7;
constexpr int kHotKeyId = 0x2a;

TestWindow::Options At(const wchar_t* caption, RECT bounds)
{
    TestWindow::Options options;
    options.caption = caption;
    options.bounds = bounds;
    return options;
}

POINT Centre(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The client point that a mouse message carries.
POINT PointOf(const TestWindow::Message& message)
{
    return {static_cast<short>(LOWORD(message.lParam)), static_cast<short>(HIWORD(message.lParam))};
}

bool Received(const TestWindow& window, UINT message)
{
    return window.CountOf(message) > 0;
}

TEST(DriverMouse, MovesThePointerToExactScreenPoints)
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    for (POINT target : {POINT{0, 0}, POINT{1, 1}, POINT{333, 517}, POINT{width - 1, height - 1}}) {
        driver::MoveMouseTo(target);
        POINT now = {};
        ASSERT_TRUE(driver::WaitFor([&] { return GetCursorPos(&now) && now.x == target.x && now.y == target.y; },
                                    kInputTimeoutMs))
            << "wanted " << target.x << "," << target.y << " got " << now.x << "," << now.y;
    }
}

TEST(DriverMouse, ClickAtAClientPointReachesTheButtonThere)
{
    TestWindow window(At(L"driver click", {200, 150, 600, 450}));
    HWND left = window.AddChild(L"BUTTON", L"left", BS_PUSHBUTTON, {20, 20, 120, 60}, kButtonId);
    window.AddChild(L"BUTTON", L"right", BS_PUSHBUTTON, {200, 20, 300, 60}, kButtonId + 1);
    driver::PumpMessagesFor(100);

    driver::ClickInWindow(window.handle(), {70, 40});
    ASSERT_TRUE(driver::WaitFor([&] { return Received(window, WM_COMMAND); }, kInputTimeoutMs));
    const std::vector<TestWindow::Message> commands = window.Received(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(LOWORD(commands[0].wParam), kButtonId);
    EXPECT_EQ(HIWORD(commands[0].wParam), BN_CLICKED);
    EXPECT_EQ(reinterpret_cast<HWND>(commands[0].lParam), left);

    // A click on the window's bare client area lands at the point given.
    window.ForgetReceived();
    driver::ClickInWindow(window.handle(), {150, 200});
    ASSERT_TRUE(driver::WaitFor([&] { return Received(window, WM_LBUTTONUP); }, kInputTimeoutMs));
    ASSERT_EQ(window.CountOf(WM_LBUTTONDOWN), 1u);
    EXPECT_EQ(PointOf(window.Received(WM_LBUTTONDOWN)[0]).x, 150);
    EXPECT_EQ(PointOf(window.Received(WM_LBUTTONDOWN)[0]).y, 200);
    EXPECT_EQ(window.CountOf(WM_COMMAND), 0u);
}

TEST(DriverMouse, DoubleAndRightClicksArriveAsSuch)
{
    TestWindow window(At(L"driver double click", {300, 300, 500, 450}));
    driver::PumpMessagesFor(100);
    const POINT centre = Centre(driver::WindowRect(window.handle()));

    driver::DoubleClickAt(centre);
    ASSERT_TRUE(driver::WaitFor([&] { return window.CountOf(WM_LBUTTONUP) == 2; }, kInputTimeoutMs));
    EXPECT_EQ(window.CountOf(WM_LBUTTONDBLCLK), 1u);
    EXPECT_EQ(window.CountOf(WM_LBUTTONDOWN), 1u) << "the second press comes as the double click";

    window.ForgetReceived();
    // Far enough in time from the double click not to pair with it.
    Sleep(GetDoubleClickTime() + 50);
    driver::RightClickAt({centre.x + 20, centre.y + 10});
    ASSERT_TRUE(driver::WaitFor([&] { return Received(window, WM_RBUTTONUP); }, kInputTimeoutMs));
    ASSERT_EQ(window.CountOf(WM_RBUTTONDOWN), 1u);
    EXPECT_EQ(window.CountOf(WM_LBUTTONDOWN), 0u);
    EXPECT_EQ(window.CountOf(WM_LBUTTONDBLCLK), 0u);
    EXPECT_EQ(PointOf(window.Received(WM_RBUTTONDOWN)[0]).x, 120);
    EXPECT_EQ(PointOf(window.Received(WM_RBUTTONDOWN)[0]).y, 85);
}

TEST(DriverMouse, ClickWithHeldKeysCarriesThemAndReleasesThem)
{
    TestWindow window(At(L"driver held keys click", {300, 300, 500, 450}));
    driver::PumpMessagesFor(100);
    driver::ClickAtWithKeysHeld(Centre(driver::WindowRect(window.handle())), {VK_CONTROL, VK_SHIFT});
    ASSERT_TRUE(driver::WaitFor([&] { return Received(window, WM_LBUTTONUP); }, kInputTimeoutMs));
    ASSERT_EQ(window.CountOf(WM_LBUTTONDOWN), 1u);
    const WPARAM keys = window.Received(WM_LBUTTONDOWN)[0].wParam;
    EXPECT_TRUE(keys & MK_CONTROL);
    EXPECT_TRUE(keys & MK_SHIFT);
    EXPECT_FALSE(GetAsyncKeyState(VK_CONTROL) & 0x8000) << "Control was left held down";
    EXPECT_FALSE(GetAsyncKeyState(VK_SHIFT) & 0x8000) << "Shift was left held down";
}

TEST(DriverMouse, LeftButtonPressAndReleaseArriveSeparately)
{
    TestWindow window(At(L"driver press and release", {300, 300, 500, 450}));
    driver::PumpMessagesFor(100);
    driver::MoveMouseTo(Centre(driver::WindowRect(window.handle())));
    driver::PressLeftButton();
    ASSERT_TRUE(driver::WaitFor([&] { return Received(window, WM_LBUTTONDOWN); }, kInputTimeoutMs));
    driver::PumpMessagesFor(100);
    EXPECT_EQ(window.CountOf(WM_LBUTTONUP), 0u) << "the button came up by itself";
    driver::ReleaseLeftButton();
    EXPECT_TRUE(driver::WaitFor([&] { return Received(window, WM_LBUTTONUP); }, kInputTimeoutMs));
}

TEST(DriverMouse, DragMovesAWindowHeldByItsCaption)
{
    TestWindow::Options options = At(L"driver drag", {100, 400, 300, 500});
    options.movableByClientArea = true;
    TestWindow window(options);
    driver::PumpMessagesFor(100);

    driver::DragMouse({150, 450}, {450, 600});
    ASSERT_TRUE(driver::WaitFor([&] { return driver::WindowRect(window.handle()).left == 400; }, kInputTimeoutMs))
        << "the window is at " << driver::WindowRect(window.handle()).left << ","
        << driver::WindowRect(window.handle()).top;
    const RECT moved = driver::WindowRect(window.handle());
    EXPECT_EQ(moved.top, 550);
    EXPECT_EQ(moved.right - moved.left, 200);
    EXPECT_EQ(moved.bottom - moved.top, 100);
}

class DriverKeyboard : public ::testing::Test {
protected:
    // The window made last is in front at first; the keys' window is brought forward.
    void SetUp() override
    {
        driver::PumpMessagesFor(50);
        ASSERT_EQ(GetForegroundWindow(), m_inFrontAtFirst.handle());
        ASSERT_TRUE(driver::BringToForeground(m_window.handle()));
        ASSERT_EQ(GetForegroundWindow(), m_window.handle());
        SetFocus(m_window.handle());
        driver::PumpMessagesFor(50);
        m_window.ForgetReceived();
        m_inFrontAtFirst.ForgetReceived();
    }

    TestWindow m_window{At(L"driver keys", {600, 100, 800, 200})};
    TestWindow m_inFrontAtFirst{At(L"driver keys: other", {850, 100, 1050, 200})};
};

TEST_F(DriverKeyboard, KeyPressesReachTheFocusedWindow)
{
    driver::PressKey('A');
    ASSERT_TRUE(driver::WaitFor([&] { return Received(m_window, WM_KEYUP); }, kInputTimeoutMs));
    ASSERT_EQ(m_window.CountOf(WM_KEYDOWN), 1u);
    EXPECT_EQ(m_window.Received(WM_KEYDOWN)[0].wParam, static_cast<WPARAM>('A'));
    ASSERT_EQ(m_window.CountOf(WM_CHAR), 1u);
    EXPECT_EQ(m_window.Received(WM_CHAR)[0].wParam, static_cast<WPARAM>('a'));
    EXPECT_EQ(m_inFrontAtFirst.CountOf(WM_KEYDOWN), 0u);

    m_window.ForgetReceived();
    driver::PressKeyCombination({VK_SHIFT, 'B'});
    ASSERT_TRUE(driver::WaitFor([&] { return m_window.CountOf(WM_KEYUP) == 2; }, kInputTimeoutMs));
    ASSERT_EQ(m_window.CountOf(WM_CHAR), 1u);
    EXPECT_EQ(m_window.Received(WM_CHAR)[0].wParam, static_cast<WPARAM>('B')) << "shift was held";
    EXPECT_EQ(m_window.Received(WM_KEYUP)[1].wParam, static_cast<WPARAM>(VK_SHIFT)) << "released last";

    m_window.ForgetReceived();
    driver::PressKey(VK_LEFT);
    ASSERT_TRUE(driver::WaitFor([&] { return Received(m_window, WM_KEYUP); }, kInputTimeoutMs));
    ASSERT_EQ(m_window.CountOf(WM_KEYDOWN), 1u);
    EXPECT_EQ(m_window.Received(WM_KEYDOWN)[0].wParam, static_cast<WPARAM>(VK_LEFT));
    EXPECT_TRUE(m_window.Received(WM_KEYDOWN)[0].lParam & (1 << 24)) << "arrow keys are extended keys";
}

TEST_F(DriverKeyboard, TypedTextReachesTheFocusedEdit)
{
    HWND edit = m_window.AddChild(L"EDIT", L"", ES_AUTOHSCROLL, {5, 5, 195, 30}, kButtonId);
    SetFocus(edit);
    driver::TypeText(L"Zarnith 雷霆");
    EXPECT_TRUE(driver::WaitFor([&] { return driver::WindowText(edit) == L"Zarnith 雷霆"; }, kInputTimeoutMs))
        << "the edit holds " << driver::WindowText(edit).size() << " characters";
}

TEST_F(DriverKeyboard, KeyCombinationFiresAnotherWindowsHotKey)
{
    // Hidden, as a window hidden by a boss key still owns its hot keys.
    TestWindow::Options hidden = At(L"driver hot key owner", {100, 600, 200, 650});
    hidden.style = WS_POPUP;
    TestWindow registrar(hidden);
    ASSERT_TRUE(RegisterHotKey(registrar.handle(), kHotKeyId, MOD_CONTROL | MOD_SHIFT, 'F'));
    ASSERT_EQ(GetForegroundWindow(), m_window.handle());

    driver::PressKeyCombination({VK_CONTROL, VK_SHIFT, 'F'});
    const bool fired = driver::WaitFor([&] { return Received(registrar, WM_HOTKEY); }, kInputTimeoutMs);
    UnregisterHotKey(registrar.handle(), kHotKeyId);
    ASSERT_TRUE(fired);
    const TestWindow::Message hotKey = registrar.Received(WM_HOTKEY)[0];
    EXPECT_EQ(hotKey.wParam, static_cast<WPARAM>(kHotKeyId));
    EXPECT_EQ(LOWORD(hotKey.lParam), MOD_CONTROL | MOD_SHIFT);
    EXPECT_EQ(HIWORD(hotKey.lParam), 'F');
    const std::vector<TestWindow::Message> keys = m_window.Received(WM_KEYDOWN);
    for (const TestWindow::Message& key : keys)
        EXPECT_NE(key.wParam, static_cast<WPARAM>('F')) << "the hot key's own key is taken by the system";
    EXPECT_EQ(GetForegroundWindow(), m_window.handle());
    for (int key : {VK_CONTROL, VK_SHIFT, int{'F'}})
        EXPECT_FALSE(GetAsyncKeyState(key) & 0x8000) << "key " << key << " is still down";
}

TEST_F(DriverKeyboard, KeyPressFiresAHotKeyOfAnotherProcess)
{
    driver::Process process = driver::StartProcess(
        helper::ProgramPath(), std::wstring(helper::kAwaitHotKey) + L" " + std::to_wstring(kHelperExitCode));
    ASSERT_NE(process.handle, nullptr);
    const bool ready = helper::AwaitWindow(helper::kHotKeyReadyCaption, process.id) != nullptr;
    DWORD exitCode = 0;
    if (ready && driver::BringToForeground(m_window.handle())) {
        driver::PressKey(static_cast<WORD>(helper::kHotKey));
        driver::WaitForExit(process, kInputTimeoutMs, &exitCode);
    }
    driver::KillProcess(process);
    driver::CloseProcess(process);
    ASSERT_TRUE(ready);
    EXPECT_EQ(exitCode, static_cast<DWORD>(kHelperExitCode)) << "the helper saw no hot key";
    EXPECT_EQ(m_window.CountOf(WM_KEYDOWN), 0u) << "the focused window does not see the hot key";
}

TEST_F(DriverKeyboard, KeyPressesReachAnotherProcessBroughtToTheForeground)
{
    driver::Process process = driver::StartProcess(
        helper::ProgramPath(), std::wstring(helper::kAwaitKey) + L" " + std::to_wstring(kHelperExitCode));
    ASSERT_NE(process.handle, nullptr);
    HWND target = helper::AwaitWindow(helper::kKeyTargetCaption, process.id);
    DWORD exitCode = 0;
    HWND frontBefore = nullptr;
    bool targetCameToFront = false;
    if (target) {
        // The helper's window may have taken the foreground on showing; take it back first.
        driver::BringToForeground(m_window.handle());
        frontBefore = GetForegroundWindow();
        targetCameToFront = driver::BringToForeground(target);
        driver::PressKey(static_cast<WORD>(helper::kAwaitedKey));
        driver::WaitForExit(process, kInputTimeoutMs, &exitCode);
    }
    driver::KillProcess(process);
    driver::CloseProcess(process);
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(frontBefore, m_window.handle());
    EXPECT_TRUE(targetCameToFront);
    EXPECT_EQ(exitCode, static_cast<DWORD>(kHelperExitCode)) << "the helper's window saw no key press";
    EXPECT_EQ(m_window.CountOf(WM_KEYDOWN), 0u);
}

}  // namespace
