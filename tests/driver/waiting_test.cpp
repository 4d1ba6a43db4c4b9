// Waiting with a time-out while the thread's own windows keep working.
#include "driver.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kTimerDelayMs = 150;
constexpr DWORD kLongTimeoutMs = 5000;
constexpr DWORD kShortTimeoutMs = 300;
// Slack for a loaded machine: how much later than asked a wait may end.
constexpr DWORD kLatenessMs = 250;

bool g_timerFired = false;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    g_timerFired = true;
}

TEST(DriverWaiting, BecomesTrueWhenTheThreadsOwnMessagesMakeItSo)
{
    g_timerFired = false;
    // The timer only fires when the waiting thread dispatches its messages.
    SetTimer(nullptr, 0, kTimerDelayMs, OnTimer);
    const DWORD start = GetTickCount();
    EXPECT_TRUE(driver::WaitFor([] { return g_timerFired; }, kLongTimeoutMs));
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed + 20, kTimerDelayMs);
    EXPECT_LT(elapsed, kTimerDelayMs + kLatenessMs) << "the wait ends soon after the condition holds";
}

TEST(DriverWaiting, ReturnsAtOnceWhenTheConditionAlreadyHolds)
{
    int calls = 0;
    const DWORD start = GetTickCount();
    EXPECT_TRUE(driver::WaitFor([&] { return ++calls > 0; }, kLongTimeoutMs));
    EXPECT_EQ(calls, 1);
    EXPECT_LT(GetTickCount() - start, kLatenessMs);
}

TEST(DriverWaiting, GivesUpAfterTheTimeoutAndLooksAgainMeanwhile)
{
    int calls = 0;
    const DWORD start = GetTickCount();
    EXPECT_FALSE(driver::WaitFor([&] { ++calls; return false; }, kShortTimeoutMs));
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, kShortTimeoutMs);
    EXPECT_LT(elapsed, kShortTimeoutMs + kLatenessMs);
    EXPECT_GT(calls, 5) << "the condition is polled during the wait";
    EXPECT_LT(calls, 100) << "and not in a busy loop";
}

TEST(DriverWaiting, PumpingKeepsAQuitMessageForTheThreadsOwnLoop)
{
    constexpr int kExitCode = 5;
    PostQuitMessage(kExitCode);
    driver::PumpMessagesFor(50);
    MSG message = {};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, static_cast<WPARAM>(kExitCode));
}

TEST(DriverWaiting, PumpsForTheWholeTimeGiven)
{
    g_timerFired = false;
    SetTimer(nullptr, 0, kTimerDelayMs, OnTimer);
    const DWORD start = GetTickCount();
    driver::PumpMessagesFor(kShortTimeoutMs);
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_TRUE(g_timerFired);
    EXPECT_GE(elapsed, kShortTimeoutMs);
    EXPECT_LT(elapsed, kShortTimeoutMs + kLatenessMs);
}

}  // namespace
