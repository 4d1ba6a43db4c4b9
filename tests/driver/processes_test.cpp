// Starting helper processes, finding their windows, waiting for and ending them.
#include "driver.h"
#include "helper_process.h"
#include "test_window.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr DWORD kExitTimeoutMs = 5000;
constexpr DWORD kStillRunningMs = 200;
constexpr int kHelperExitCode = 17;

bool Contains(const std::vector<DWORD>& ids, DWORD id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

std::wstring ProgramName()
{
    const std::wstring path = helper::ProgramPath();
    return path.substr(path.find_last_of(L'\\') + 1);
}

std::wstring ShowWindowArguments(const wchar_t* caption, int exitCode)
{
    return std::wstring(helper::kShowWindow) + L" \"" + caption + L"\" " + std::to_wstring(exitCode);
}

// Ends a helper that a failed check left running.
struct HelperGuard {
    driver::Process& process;
    ~HelperGuard()
    {
        driver::KillProcessTree(process);
        driver::CloseProcess(process);
    }
};

TEST(DriverProcesses, StartsAProgramFindsItsWindowsAndReadsItsExitCode)
{
    driver::Process process =
        driver::StartProcess(helper::ProgramPath(), ShowWindowArguments(L"driver helper: shown", kHelperExitCode));
    HelperGuard guard{process};
    ASSERT_NE(process.handle, nullptr);
    ASSERT_NE(process.id, 0u);
    ASSERT_NE(process.id, GetCurrentProcessId());

    HWND window = helper::AwaitWindow(L"driver helper: shown", process.id);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(driver::ProcessOf(window), process.id);
    EXPECT_EQ(driver::WindowText(window), L"driver helper: shown") << "read from another process";
    const std::vector<HWND> ofHelper = driver::TopLevelWindows(nullptr, nullptr, process.id);
    EXPECT_FALSE(ofHelper.empty());
    for (HWND each : ofHelper)
        EXPECT_EQ(driver::ProcessOf(each), process.id);
    EXPECT_EQ(driver::FindTopLevelWindow(TestWindow::kClassName, L"driver helper: shown", GetCurrentProcessId()),
              nullptr);

    DWORD exitCode = 0;
    EXPECT_FALSE(driver::WaitForExit(process, kStillRunningMs, &exitCode)) << "the helper waits to be closed";
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(driver::WaitForExit(process, kExitTimeoutMs, &exitCode));
    EXPECT_EQ(exitCode, static_cast<DWORD>(kHelperExitCode));
    EXPECT_TRUE(driver::WaitForExit(process, 0, nullptr)) << "an ended process stays ended";

    driver::CloseProcess(process);
    EXPECT_EQ(process.handle, nullptr);
    EXPECT_EQ(process.id, 0u);
}

TEST(DriverProcesses, StartsInTheProgramsFolderOrTheOneGiven)
{
    const std::wstring path = helper::ProgramPath();
    const std::wstring programFolder = path.substr(0, path.find_last_of(L'\\'));
    wchar_t systemFolder[MAX_PATH] = {};
    GetSystemDirectoryW(systemFolder, MAX_PATH);

    for (const std::wstring& given : {std::wstring(), std::wstring(systemFolder)}) {
        driver::Process process = driver::StartProcess(path, helper::kShowDirectory, given);
        HelperGuard guard{process};
        ASSERT_NE(process.handle, nullptr);
        const std::wstring expected = given.empty() ? programFolder : given;
        EXPECT_NE(helper::AwaitWindow(expected.c_str(), process.id), nullptr)
            << "no helper window captioned with the folder " << std::string(expected.begin(), expected.end());
    }
}

TEST(DriverProcesses, FindsRunningProcessesByImageName)
{
    const std::wstring name = ProgramName();
    EXPECT_TRUE(Contains(driver::ProcessesNamed(name.c_str()), GetCurrentProcessId()));
    std::wstring upper = name;
    CharUpperW(&upper[0]);
    EXPECT_TRUE(Contains(driver::ProcessesNamed(upper.c_str()), GetCurrentProcessId()));
    EXPECT_TRUE(driver::ProcessesNamed(L"no_such_program.exe").empty());
    EXPECT_TRUE(driver::ProcessesNamed((L"x" + name).c_str()).empty()) << "the whole name must match";

    driver::Process process = driver::StartProcess(helper::ProgramPath(), ShowWindowArguments(L"driver helper: named", 0));
    HelperGuard guard{process};
    ASSERT_NE(process.handle, nullptr);
    EXPECT_TRUE(Contains(driver::ProcessesNamed(name.c_str()), process.id));
    driver::KillProcess(process);
    EXPECT_FALSE(Contains(driver::ProcessesNamed(name.c_str()), process.id));
}

TEST(DriverProcesses, KillsAProcessAndEverythingItStarted)
{
    driver::Process process = driver::StartProcess(helper::ProgramPath(), helper::kStartChild);
    HelperGuard guard{process};
    ASSERT_NE(process.handle, nullptr);
    ASSERT_NE(helper::AwaitWindow(helper::kParentCaption, process.id), nullptr);
    HWND childWindow = helper::AwaitWindow(helper::kChildCaption, 0);
    ASSERT_NE(childWindow, nullptr);
    const DWORD childId = driver::ProcessOf(childWindow);
    ASSERT_NE(childId, process.id);

    driver::KillProcessTree(process);
    DWORD exitCode = 0;
    ASSERT_TRUE(driver::WaitForExit(process, 0, &exitCode)) << "killing waits until the process has ended";
    EXPECT_EQ(exitCode, driver::kKilledExitCode);
    EXPECT_FALSE(Contains(driver::ProcessesNamed(ProgramName().c_str()), childId));
    EXPECT_FALSE(IsWindow(childWindow));
}

TEST(DriverProcesses, ToleratesAProgramThatCannotStart)
{
    driver::Process process = driver::StartProcess(L"C:\\no such folder\\nothing.exe", L"");
    EXPECT_EQ(process.handle, nullptr);
    EXPECT_EQ(process.id, 0u);
    DWORD exitCode = 7;
    EXPECT_FALSE(driver::WaitForExit(process, 0, &exitCode));
    EXPECT_EQ(exitCode, 7u);
    driver::KillProcess(process);
    driver::KillProcessTree(process);
    driver::CloseProcess(process);
}

}  // namespace
