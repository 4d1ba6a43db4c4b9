// The fixture of tests that open skinned windows and drive them with real input.
#pragma once

#include <gtest/gtest.h>

#include "driver.h"
#include "test_window.h"

// How long a test waits for what it expects to happen.
inline constexpr DWORD kWaitMs = 3000;
// Long enough for input that was going to arrive to have arrived.
inline constexpr DWORD kSettleMs = 300;
// Time for a newly shown window to settle before it is driven.
inline constexpr DWORD kShowSettleMs = 100;

class SkinnedWindowTest : public ::testing::Test {
protected:
    // The test skins; the pointer parked in a corner, away from every window.
    void SetUp() override
    {
        UseTestSkins();
        driver::MoveMouseTo({0, 0});
    }

    // Creates the window and lets it paint; a window that cannot be created
    // fails the test.
    HWND Open(TestWindow& window, HWND owner = nullptr)
    {
        const HWND created = window.CreateTopLevel(owner);
        EXPECT_NE(created, nullptr) << "the window was not created";
        if (created) {
            UpdateWindow(created);
            driver::PumpMessagesFor(kShowSettleMs);
        }
        return created;
    }

    // Clicks the window's listed button and waits for its action. The
    // thread takes input in the order it was given, and the messages that
    // earlier input posted before any later input, so once this click has
    // arrived everything given before it has been handled: a check that
    // something did not happen means something only after that.
    bool ClickListedButton(TestWindow& window)
    {
        const int before = window.listedActions;
        driver::ClickAt(window.ScreenCentreOf(TestWindow::kListedButton));
        return driver::WaitFor([&] { return window.listedActions == before + 1; }, kWaitMs);
    }
};
