#include "helper_process.h"

#include "driver.h"
#include "test_window.h"

#include <shellapi.h>

#include <cstdlib>
#include <vector>

namespace helper {
namespace {

// No helper outlives a test that forgot it for long.
constexpr DWORD kLifetimeMs = 30000;
// How long a started helper may take to show its window.
constexpr DWORD kStartTimeoutMs = 10000;
constexpr int kHotKeyId = 1;

TestWindow::Options Captioned(const std::wstring& caption, bool visible)
{
    TestWindow::Options options;
    options.caption = caption;
    options.style = WS_POPUP | (visible ? WS_VISIBLE : 0);
    options.bounds = {40, 40, 140, 90};
    return options;
}

int ShowWindowUntilClosed(const std::wstring& caption, int exitCode)
{
    TestWindow window(Captioned(caption, true));
    HWND handle = window.handle();
    return driver::WaitFor([handle] { return !IsWindow(handle); }, kLifetimeMs) ? exitCode : kTimedOutExitCode;
}

int ShowDirectory()
{
    wchar_t directory[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, directory);
    TestWindow window(Captioned(directory, false));
    driver::PumpMessagesFor(kLifetimeMs);
    return kTimedOutExitCode;
}

int AwaitHotKey(int exitCode)
{
    // The caption tells the test when the hot key is in place.
    TestWindow window(Captioned(L"", false));
    if (!RegisterHotKey(window.handle(), kHotKeyId, 0, kHotKey))
        return kFailedExitCode;
    SetWindowTextW(window.handle(), kHotKeyReadyCaption);
    const bool fired = driver::WaitFor([&window] { return window.CountOf(WM_HOTKEY) > 0; }, kLifetimeMs);
    UnregisterHotKey(window.handle(), kHotKeyId);
    return fired ? exitCode : kTimedOutExitCode;
}

int AwaitKey(int exitCode)
{
    TestWindow window(Captioned(kKeyTargetCaption, true));
    const auto pressed = [&window] {
        for (const TestWindow::Message& key : window.Received(WM_KEYDOWN))
            if (key.wParam == kAwaitedKey)
                return true;
        return false;
    };
    return driver::WaitFor(pressed, kLifetimeMs) ? exitCode : kTimedOutExitCode;
}

int StartChild()
{
    const std::wstring arguments = std::wstring(kShowWindow) + L" \"" + kChildCaption + L"\" 0";
    driver::Process child = driver::StartProcess(ProgramPath(), arguments);
    if (!child.handle)
        return kFailedExitCode;
    driver::CloseProcess(child);
    return ShowWindowUntilClosed(kParentCaption, 0);
}

// Processor time this process has used, in milliseconds.
double OwnCpuTimeMs()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

int HoldResources(int brushes, int windows, int megabytes, int cpuMs)
{
    for (int i = 0; i < brushes; ++i)
        CreateSolidBrush(RGB(i, 0, 0));
    for (int i = 0; i < windows; ++i) {
        HWND top = CreateWindowExW(0, L"STATIC", L"held", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        CreateWindowExW(0, L"STATIC", L"held child", WS_CHILD, 0, 0, 5, 5, top, nullptr, nullptr, nullptr);
        CreateWindowExW(0, L"STATIC", L"held message-only", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    }
    const SIZE_T bytes = static_cast<SIZE_T>(megabytes) << 20;
    if (bytes) {
        auto* memory = static_cast<BYTE*>(VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        if (!memory)
            return kFailedExitCode;
        for (SIZE_T i = 0; i < bytes; i += 4096)
            memory[i] = 1;
    }
    volatile double sink = 0;
    const double start = OwnCpuTimeMs();
    while (OwnCpuTimeMs() - start < cpuMs)
        for (int i = 0; i < 100000; ++i)
            sink = sink + i;
    TestWindow window(Captioned(kResourcesHeldCaption, false));
    HWND handle = window.handle();
    return driver::WaitFor([handle] { return !IsWindow(handle); }, kLifetimeMs) ? 0 : kTimedOutExitCode;
}

}  // namespace

std::wstring ProgramPath()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

HWND AwaitWindow(const wchar_t* caption, DWORD processId)
{
    HWND found = nullptr;
    driver::WaitFor([&] { return (found = driver::FindTopLevelWindow(TestWindow::kClassName, caption, processId)); },
                    kStartTimeoutMs);
    return found;
}

bool RunRole(int* exitCode)
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments)
        return false;
    const std::vector<std::wstring> args(arguments, arguments + count);
    LocalFree(arguments);
    if (args.size() < 2)
        return false;
    const std::wstring& role = args[1];
    if (role == kShowWindow && args.size() == 4)
        *exitCode = ShowWindowUntilClosed(args[2], _wtoi(args[3].c_str()));
    else if (role == kShowDirectory)
        *exitCode = ShowDirectory();
    else if (role == kAwaitHotKey && args.size() == 3)
        *exitCode = AwaitHotKey(_wtoi(args[2].c_str()));
    else if (role == kAwaitKey && args.size() == 3)
        *exitCode = AwaitKey(_wtoi(args[2].c_str()));
    else if (role == kStartChild)
        *exitCode = StartChild();
    else if (role == kHoldResources && args.size() == 6)
        *exitCode = HoldResources(_wtoi(args[2].c_str()), _wtoi(args[3].c_str()), _wtoi(args[4].c_str()),
                                  _wtoi(args[5].c_str()));
    else
        return false;
    return true;
}

}  // namespace helper
