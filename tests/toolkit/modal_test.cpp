// ShowModal's message loop, with the window closed by real input and ended
// by quit messages, the way the launcher's login phase runs.
#include <atomic>
#include <functional>
#include <thread>

#include "skinned_window_test.h"

namespace {

// The input thread's longest wait for a modal loop to start or a window to appear or close.
constexpr DWORD kInputWaitMs = 5000;
constexpr DWORD kPollMs = 10;
constexpr UINT kQuitCode = 7;
constexpr UINT_PTR kTimerDelayMs = 200;

// Whether ShowModal's owner was disabled while the loop ran.
bool g_ownerWasEnabled = true;
HWND g_watchedOwner = nullptr;

void CALLBACK PostQuit(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    g_ownerWasEnabled = g_watchedOwner && IsWindowEnabled(g_watchedOwner);
    PostQuitMessage(static_cast<int>(kQuitCode));
}

// The message loops that have run on the test's thread since the count was
// reset. A thread timer's message is dispatched only by a loop that runs.
std::atomic<int> g_loopsRun{0};

void CALLBACK CountLoop(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    ++g_loopsRun;
}

// Call on the test's thread right before it enters a message loop.
void CountTheNextLoopOnceItRuns()
{
    SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &CountLoop);
}

// The input thread's wait: it sleeps, since the windows belong to the test's
// thread. Returns whether the condition became true in time.
bool SleepUntil(const std::function<bool()>& done)
{
    for (DWORD waited = 0; !done(); waited += kPollMs) {
        if (waited >= kInputWaitMs)
            return false;
        Sleep(kPollMs);
    }
    return true;
}

bool SleepUntilLoopsRun(int loops)
{
    return SleepUntil([loops] { return g_loopsRun >= loops; });
}

using ModalLoop = SkinnedWindowTest;

TEST_F(ModalLoop, EndsWhenTheWindowIsDestroyedAndGivesTheCloseCode)
{
    TestWindow window(L"frame.xml");
    const HWND handle = window.CreateTopLevel();
    ASSERT_NE(handle, nullptr);
    const POINT close = window.ScreenCentreOf(L"closebtn");
    g_loopsRun = 0;
    bool loopRan = false;
    std::thread input([close, &loopRan] {
        loopRan = SleepUntilLoopsRun(1);
        driver::ClickAt(close);
    });
    CountTheNextLoopOnceItRuns();
    const UINT result = window.ShowModal();
    input.join();
    ASSERT_TRUE(loopRan);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(result, static_cast<UINT>(IDOK));
    EXPECT_EQ(window.finalMessages, 1);
}

TEST_F(ModalLoop, EndsOnAQuitMessageLeavingTheWindowAndReenablesTheOwner)
{
    TestWindow owner(L"frame.xml");
    ASSERT_NE(owner.CreateTopLevel(), nullptr);
    TestWindow window(L"fixed.xml");
    const HWND handle = window.CreateTopLevel(owner);
    ASSERT_NE(handle, nullptr);
    g_watchedOwner = owner;
    g_ownerWasEnabled = true;
    SetTimer(nullptr, 0, kTimerDelayMs, &PostQuit);
    const UINT result = window.ShowModal();
    EXPECT_EQ(result, kQuitCode);
    EXPECT_TRUE(IsWindow(handle));
    EXPECT_FALSE(g_ownerWasEnabled) << "the owner is disabled while the loop runs";
    EXPECT_TRUE(IsWindowEnabled(owner));
    MSG left;
    EXPECT_FALSE(PeekMessageW(&left, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "the quit message is used up";
}

TEST_F(ModalLoop, TheOwnerIsTheActiveWindowOnceTheWindowHasClosed)
{
    TestWindow owner(L"frame.xml");
    ASSERT_NE(Open(owner), nullptr);
    TestWindow window(L"fixed.xml");
    const HWND handle = window.CreateTopLevel(owner);
    ASSERT_NE(handle, nullptr);
    const POINT close = window.ScreenCentreOf(L"closebtn");
    g_loopsRun = 0;
    bool loopRan = false;
    std::thread input([close, &loopRan] {
        loopRan = SleepUntilLoopsRun(1);
        driver::ClickAt(close);
    });
    CountTheNextLoopOnceItRuns();
    window.ShowModal();
    input.join();
    ASSERT_TRUE(loopRan);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetForegroundWindow(), owner.GetHWND());
    EXPECT_EQ(GetActiveWindow(), owner.GetHWND());
}

// A second modal window over the same owner, opened from inside the first
// one's loop, must not give the owner back its input when it closes.
TEST_F(ModalLoop, AnInnerLoopOverTheSameOwnerLeavesItDisabledForTheOuterLoop)
{
    TestWindow owner(L"fixed.xml");
    ASSERT_NE(Open(owner), nullptr);
    TestWindow outer(L"frame.xml");
    ASSERT_NE(outer.CreateTopLevel(owner), nullptr);
    TestWindow inner(L"fixed.xml");
    std::atomic<HWND> innerHandle{nullptr};
    POINT innerClose = {};
    bool ownerEnabledInside = true;
    bool ownerEnabledAfterInner = true;
    outer.onListedClick = [&] {
        const HWND created = inner.CreateTopLevel(owner);
        // Clear of the outer window's buttons.
        SetWindowPos(created, nullptr, 900, 600, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        innerClose = inner.ScreenCentreOf(L"closebtn");
        ownerEnabledInside = IsWindowEnabled(owner) != FALSE;
        CountTheNextLoopOnceItRuns();
        innerHandle = created;
        inner.ShowModal();
        ownerEnabledAfterInner = IsWindowEnabled(owner) != FALSE;
    };
    const POINT listed = outer.ScreenCentreOf(TestWindow::kListedButton);
    const POINT outerClose = outer.ScreenCentreOf(L"closebtn");
    g_loopsRun = 0;
    bool outerLoopRan = false;
    bool innerLoopRan = false;
    bool innerClosed = false;
    std::thread input([&] {
        outerLoopRan = SleepUntilLoopsRun(1);
        driver::ClickAt(listed);
        innerLoopRan = SleepUntil([&] { return innerHandle != nullptr; }) && SleepUntilLoopsRun(2);
        driver::ClickAt(innerClose);
        innerClosed = SleepUntil([&] { return !IsWindow(innerHandle); });
        driver::ClickAt(outerClose);
    });
    CountTheNextLoopOnceItRuns();
    outer.ShowModal();
    input.join();
    ASSERT_TRUE(outerLoopRan);
    ASSERT_TRUE(innerLoopRan) << "the inner window's loop did not run";
    ASSERT_TRUE(innerClosed) << "the inner window did not close";
    EXPECT_EQ(outer.listedActions, 1);
    EXPECT_EQ(inner.finalMessages, 1) << "the inner window was closed by its button";
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_FALSE(ownerEnabledAfterInner) << "the outer loop still runs";
    EXPECT_FALSE(IsWindow(outer));
    EXPECT_TRUE(IsWindowEnabled(owner));
}

// The launcher's login phase: a second window lives inside the first one's
// modal loop and closes by itself; a button of the first posts the quit
// message that ends the loop.
TEST_F(ModalLoop, AnotherWindowWorksInsideTheLoopWhichAQuitFromAButtonEnds)
{
    TestWindow login(L"frame.xml");
    ASSERT_NE(login.CreateTopLevel(), nullptr);
    login.onListedClick = [] { PostQuitMessage(0); };
    TestWindow game(L"fixed.xml");
    const HWND gameHandle = game.CreateTopLevel(login);
    ASSERT_NE(gameHandle, nullptr);
    SetWindowPos(gameHandle, nullptr, 600, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const POINT gameClose = game.ScreenCentreOf(L"closebtn");
    const POINT loginQuit = login.ScreenCentreOf(TestWindow::kListedButton);
    g_loopsRun = 0;
    bool loopRan = false;
    bool gameClosed = false;
    std::thread input([=, &loopRan, &gameClosed] {
        loopRan = SleepUntilLoopsRun(1);
        driver::ClickAt(gameClose);
        gameClosed = SleepUntil([gameHandle] { return !IsWindow(gameHandle); });
        driver::ClickAt(loginQuit);
    });
    CountTheNextLoopOnceItRuns();
    login.ShowModal();
    input.join();
    ASSERT_TRUE(loopRan);
    ASSERT_TRUE(gameClosed) << "the game window did not close inside the loop";
    EXPECT_FALSE(IsWindow(gameHandle));
    EXPECT_EQ(game.finalMessages, 1);
    EXPECT_EQ(login.listedActions, 1);
    EXPECT_TRUE(IsWindow(login));
}

}  // namespace
