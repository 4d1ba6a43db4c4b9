// Hot keys held by other programs, and icons in the notification area that
// real clicks reach.
#include "driver.h"
#include "helper_process.h"
#include "test_window.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <algorithm>

namespace {

constexpr DWORD kTimeoutMs = 3000;
constexpr int kHelperExitCode = 24;
constexpr UINT kIconId = 5;
constexpr UINT kIconMessage = WM_APP + 5;

POINT Centre(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

TEST(DriverHotKeys, TakenExactlyWhileAnotherProgramHoldsTheCombination)
{
    EXPECT_TRUE(driver::TakenModifierSets(helper::kHotKey).empty());
    driver::Process process = driver::StartProcess(
        helper::ProgramPath(), std::wstring(helper::kAwaitHotKey) + L" " + std::to_wstring(kHelperExitCode));
    ASSERT_NE(process.handle, nullptr);
    const bool ready = helper::AwaitWindow(helper::kHotKeyReadyCaption, process.id) != nullptr;
    const bool taken = driver::HotKeyTaken(0, helper::kHotKey);
    const std::vector<UINT> takenSets = driver::TakenModifierSets(helper::kHotKey);
    // The helper ends when its hot key fires: the probes did not take it away.
    driver::PressKey(static_cast<WORD>(helper::kHotKey));
    DWORD exitCode = 0;
    driver::WaitForExit(process, kTimeoutMs, &exitCode);
    driver::KillProcess(process);
    driver::CloseProcess(process);
    ASSERT_TRUE(ready);
    EXPECT_TRUE(taken);
    EXPECT_EQ(takenSets, std::vector<UINT>{0});
    EXPECT_EQ(exitCode, static_cast<DWORD>(kHelperExitCode));
    EXPECT_FALSE(driver::HotKeyTaken(0, helper::kHotKey)) << "released with its program";
}

TEST(DriverHotKeys, AHotKeyOfThisProgramCountsAsTakenToo)
{
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_ALT, 'Q'));
    // The system refuses a second registration by the same thread too.
    EXPECT_TRUE(driver::HotKeyTaken(MOD_ALT, 'Q'));
    UnregisterHotKey(nullptr, 1);
    EXPECT_FALSE(driver::HotKeyTaken(MOD_ALT, 'Q'));
}

TEST(DriverNotificationArea, AnAddedIconAppearsAndARealClickOnItReachesItsWindow)
{
    TestWindow::Options options;
    options.caption = L"driver icon owner";
    options.style = WS_POPUP;
    TestWindow owner(options);
    const std::vector<HWND> before = driver::NotificationAreaIcons();
    NOTIFYICONDATAW icon = {};
    icon.cbSize = sizeof icon;
    icon.hWnd = owner.handle();
    icon.uID = kIconId;
    icon.uFlags = NIF_MESSAGE | NIF_ICON;
    icon.uCallbackMessage = kIconMessage;
    icon.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
    ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &icon));
    HWND added = nullptr;
    EXPECT_TRUE(driver::WaitFor(
        [&] {
            for (HWND window : driver::NotificationAreaIcons()) {
                if (std::find(before.begin(), before.end(), window) == before.end())
                    added = window;
            }
            // In its place, where a click reaches it.
            return added && WindowFromPoint(Centre(driver::WindowRect(added))) == added;
        },
        kTimeoutMs));
    if (added) {
        driver::ClickAt(Centre(driver::WindowRect(added)));
        EXPECT_TRUE(driver::WaitFor(
            [&] {
                for (const TestWindow::Message& message : owner.Received(kIconMessage)) {
                    if (message.wParam == kIconId && message.lParam == WM_LBUTTONUP)
                        return true;
                }
                return false;
            },
            kTimeoutMs));
    }
    EXPECT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
    EXPECT_TRUE(driver::WaitFor([&] { return driver::NotificationAreaIcons().size() == before.size(); }, kTimeoutMs));
}

}  // namespace
