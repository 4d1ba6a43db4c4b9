// Reading another process's memory, processor time and GUI objects: two
// helpers that differ by known amounts of each.
#include "driver.h"
#include "helper_process.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kBrushes = 40;
constexpr int kWindows = 5;
// Each held window is a top-level window, its child and a message-only window.
constexpr int kUserObjectsPerWindow = 3;
constexpr int kMegabytes = 64;
constexpr int kCpuMs = 600;
// Processor time is counted in scheduler ticks.
constexpr double kTickMs = 20;
constexpr unsigned long long kMegabyte = 1 << 20;
// Process identifiers are multiples of four.
constexpr DWORD kNoSuchProcess = 0xFFFFFFF1;

struct Holder {
    driver::Process process;
    HWND window = nullptr;

    Holder(int brushes, int windows, int megabytes, int cpuMs)
    {
        const std::wstring arguments = std::wstring(helper::kHoldResources) + L" " + std::to_wstring(brushes) + L" " +
                                       std::to_wstring(windows) + L" " + std::to_wstring(megabytes) + L" " +
                                       std::to_wstring(cpuMs);
        process = driver::StartProcess(helper::ProgramPath(), arguments);
        window = helper::AwaitWindow(helper::kResourcesHeldCaption, process.id);
    }
    ~Holder()
    {
        driver::KillProcessTree(process);
        driver::CloseProcess(process);
    }
};

TEST(DriverResources, ReadsMemoryProcessorTimeAndGuiObjectsOfAnotherProcess)
{
    Holder idle(0, 0, 0, 0);
    Holder busy(kBrushes, kWindows, kMegabytes, kCpuMs);
    ASSERT_NE(idle.window, nullptr);
    ASSERT_NE(busy.window, nullptr);

    EXPECT_EQ(driver::GdiObjects(busy.process), driver::GdiObjects(idle.process) + kBrushes);
    EXPECT_GT(driver::GdiObjects(idle.process), 0u) << "a window's process holds some GDI objects";
    EXPECT_EQ(driver::UserObjects(busy.process),
              driver::UserObjects(idle.process) + kWindows * kUserObjectsPerWindow);

    const unsigned long long idleBytes = driver::PrivateBytes(idle.process);
    const unsigned long long busyBytes = driver::PrivateBytes(busy.process);
    EXPECT_GT(idleBytes, 0u);
    EXPECT_GE(busyBytes, idleBytes + kMegabytes * kMegabyte);
    EXPECT_LT(busyBytes, idleBytes + 2 * kMegabytes * kMegabyte);

    EXPECT_GE(driver::CpuTimeMs(busy.process.id), driver::CpuTimeMs(idle.process.id) + kCpuMs - kTickMs);
    // The helper uses the time on the thread that then shows its window.
    const DWORD busyThread = GetWindowThreadProcessId(busy.window, nullptr);
    EXPECT_GE(driver::ThreadCpuTimeMs(busy.process.id, busyThread), kCpuMs - kTickMs);
    EXPECT_LE(driver::ThreadCpuTimeMs(busy.process.id, busyThread), driver::CpuTimeMs(busy.process.id));
    EXPECT_EQ(driver::ThreadCpuTimeMs(busy.process.id, GetCurrentThreadId()), 0.0) << "not a thread of the helper";
    EXPECT_EQ(driver::CpuTimeMs(kNoSuchProcess), 0.0);
}

}  // namespace
