// ShowModal's loop ends when its window is destroyed inside a message sent
// from another thread (as the system or another program closes a window),
// where no posted message follows to wake the loop.
#include <atomic>
#include <thread>

#include "skinned_window_test.h"

namespace {

// Far longer than the loop needs to notice; a loop that misses the
// destruction is ended by a quit message after this.
constexpr DWORD kWatchdogMs = 10000;
constexpr DWORD kPollMs = 10;
constexpr UINT kWatchdogQuitCode = 99;

using ModalLoopDestroyed = SkinnedWindowTest;

TEST_F(ModalLoopDestroyed, InsideAMessageSentFromAnotherThread)
{
    TestWindow window(L"frame.xml");
    const HWND handle = window.CreateTopLevel();
    ASSERT_NE(handle, nullptr);
    const DWORD loopThread = GetCurrentThreadId();
    std::atomic<bool> sent{false};
    std::atomic<bool> watchdogFired{false};
    std::atomic<bool> loopEnded{false};
    std::thread closer([&] {
        // The send is handled inside the loop's GetMessage, once it runs.
        while (!IsWindowVisible(handle))
            Sleep(kPollMs);
        SendMessageW(handle, WM_CLOSE, 0, 0);
        sent = true;
        for (DWORD waited = 0; !loopEnded && waited < kWatchdogMs; waited += kPollMs)
            Sleep(kPollMs);
        if (!loopEnded) {
            watchdogFired = true;
            PostThreadMessageW(loopThread, WM_QUIT, kWatchdogQuitCode, 0);
        }
    });
    const UINT result = window.ShowModal();
    loopEnded = true;
    closer.join();
    EXPECT_TRUE(sent);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(watchdogFired) << "the loop went on waiting after its window was destroyed";
    EXPECT_NE(result, kWatchdogQuitCode);
    EXPECT_EQ(window.finalMessages, 1);
}

}  // namespace
