// The figures of what a process holds follow what it makes and frees.
#include "driver.h"
#include "helper_process.h"
#include "test_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kBitmaps = 50;
constexpr SIZE_T kCommitted = 64 << 20;
constexpr int kCpuMs = 600;
// Processor time is counted in scheduler ticks.
constexpr double kTickMs = 20;
// Process identifiers are multiples of four.
constexpr DWORD kNoSuchProcess = 0xFFFFFFF1;

HANDLE Self()
{
    return GetCurrentProcess();
}

TEST(DriverResources, GdiObjectsFollowTheBitmapsAProcessMakesAndDeletes)
{
    const DWORD before = driver::GdiObjectCount(Self());
    ASSERT_GT(before, 0u) << "every process has its stock objects";
    std::vector<HBITMAP> bitmaps;
    for (int i = 0; i < kBitmaps; ++i)
        bitmaps.push_back(CreateBitmap(4, 4, 1, 32, nullptr));
    EXPECT_EQ(driver::GdiObjectCount(Self()), before + kBitmaps);
    for (HBITMAP bitmap : bitmaps)
        DeleteObject(bitmap);
    EXPECT_EQ(driver::GdiObjectCount(Self()), before);
}

TEST(DriverResources, UserObjectsCountTopLevelChildAndMessageOnlyWindows)
{
    const DWORD before = driver::UserObjectCount(Self());
    {
        TestWindow window(TestWindow::Options{});
        window.AddChild(L"BUTTON", L"child", WS_CHILD | WS_VISIBLE, {10, 10, 90, 40}, 1);
        HWND messageOnly = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(messageOnly, nullptr);
        EXPECT_GE(driver::UserObjectCount(Self()), before + 3);
        DestroyWindow(messageOnly);
    }
    EXPECT_EQ(driver::UserObjectCount(Self()), before);
}

TEST(DriverResources, PrivateBytesFollowCommittedMemory)
{
    const SIZE_T before = driver::PrivateBytes(Self());
    ASSERT_GT(before, 0u);
    void* block = VirtualAlloc(nullptr, kCommitted, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    ASSERT_NE(block, nullptr);
    const SIZE_T committed = driver::PrivateBytes(Self());
    VirtualFree(block, 0, MEM_RELEASE);
    const SIZE_T after = driver::PrivateBytes(Self());
    EXPECT_GE(committed, before + kCommitted);
    EXPECT_LT(after, before + kCommitted / 2);
}

TEST(DriverResources, ReadsTheFiguresOfAnotherProcess)
{
    driver::Process process =
        driver::StartProcess(helper::ProgramPath(), std::wstring(helper::kShowWindow) + L" \"driver helper: figures\" 0");
    ASSERT_NE(process.handle, nullptr);
    const std::unique_ptr<driver::Process, void (*)(driver::Process*)> guard(&process, [](driver::Process* p) {
        driver::KillProcessTree(*p);
        driver::CloseProcess(*p);
    });
    HWND window = helper::AwaitWindow(L"driver helper: figures", process.id);
    ASSERT_NE(window, nullptr);
    const DWORD windows = driver::UserObjectCount(process.handle);
    EXPECT_GE(windows, 1u);
    EXPECT_GT(driver::GdiObjectCount(process.handle), 0u);
    EXPECT_GT(driver::PrivateBytes(process.handle), 0u);

    driver::KillProcess(process);
    EXPECT_EQ(driver::UserObjectCount(process.handle), 0u) << "only the helper's own windows were counted";
}

TEST(DriverResources, ReadsTheProcessorTimeOfAnotherProcessAndOfItsThreads)
{
    const auto start = [](int cpuMs) {
        return driver::StartProcess(helper::ProgramPath(), std::wstring(helper::kHoldResources) + L" 0 0 0 " +
                                                               std::to_wstring(cpuMs));
    };
    driver::Process idle = start(0);
    driver::Process busy = start(kCpuMs);
    const auto end = [](driver::Process* p) {
        driver::KillProcessTree(*p);
        driver::CloseProcess(*p);
    };
    const std::unique_ptr<driver::Process, decltype(end)> idleGuard(&idle, end);
    const std::unique_ptr<driver::Process, decltype(end)> busyGuard(&busy, end);
    ASSERT_NE(helper::AwaitWindow(helper::kResourcesHeldCaption, idle.id), nullptr);
    const HWND busyWindow = helper::AwaitWindow(helper::kResourcesHeldCaption, busy.id);
    ASSERT_NE(busyWindow, nullptr);

    // Start-up itself costs each program its own, varying time: the busy one
    // is compared with the time it spent, and only ordered after the idle one.
    EXPECT_GE(driver::CpuTimeMs(busy.id), kCpuMs - kTickMs);
    EXPECT_GT(driver::CpuTimeMs(busy.id), driver::CpuTimeMs(idle.id));
    // The helper uses the time on the thread that then shows its window.
    const DWORD busyThread = GetWindowThreadProcessId(busyWindow, nullptr);
    // The helper's thread may still run: its time is read before the whole process's.
    const double threadMs = driver::ThreadCpuTimeMs(busy.id, busyThread);
    const double processMs = driver::CpuTimeMs(busy.id);
    EXPECT_GE(threadMs, kCpuMs - kTickMs);
    EXPECT_LE(threadMs, processMs);
    EXPECT_EQ(driver::ThreadCpuTimeMs(busy.id, GetCurrentThreadId()), 0.0) << "not a thread of the helper";
    EXPECT_EQ(driver::CpuTimeMs(kNoSuchProcess), 0.0);
}

}  // namespace
