// The test program started again as a helper process, for the cases that
// need a second process: its windows, hot keys, exit codes and children.
#pragma once

#include <windows.h>

#include <string>

namespace helper {

// Command-line arguments of the helper's roles.
// "<caption> <exit code>": shows a window with the caption and ends with the
// exit code once the window is closed.
constexpr const wchar_t* kShowWindow = L"--show-window";
// Shows a hidden window whose caption is the process's working directory.
constexpr const wchar_t* kShowDirectory = L"--show-directory";
// "<exit code>": registers kHotKey for a hidden window, captions it
// kHotKeyReadyCaption, and ends with the exit code when the hot key fires.
constexpr const wchar_t* kAwaitHotKey = L"--await-hot-key";
// "<exit code>": shows a window captioned kKeyTargetCaption and ends with the
// exit code when it receives a press of kAwaitedKey.
constexpr const wchar_t* kAwaitKey = L"--await-key";
// Starts a second helper showing a window captioned kChildCaption, then shows
// a window captioned kParentCaption.
constexpr const wchar_t* kStartChild = L"--start-child";
// "<brushes> <windows> <megabytes> <cpu ms>": makes that many brushes; that
// many hidden top-level windows, each with a child, and as many message-only
// windows; commits and touches that much memory; uses about that much
// processor time; then shows a hidden window captioned kResourcesHeldCaption
// and ends once it is closed.
constexpr const wchar_t* kHoldResources = L"--hold-resources";

constexpr unsigned kHotKey = 0x78;  // F9
constexpr unsigned kAwaitedKey = 'Z';
constexpr const wchar_t* kKeyTargetCaption = L"driver helper: key target";
constexpr const wchar_t* kHotKeyReadyCaption = L"driver helper: hot key registered";
constexpr const wchar_t* kParentCaption = L"driver helper: parent";
constexpr const wchar_t* kChildCaption = L"driver helper: child";
constexpr const wchar_t* kResourcesHeldCaption = L"driver helper: resources held";
// Exit codes of a helper whose role could not be played.
constexpr int kFailedExitCode = 90;
constexpr int kTimedOutExitCode = 91;

// This program's own path.
std::wstring ProgramPath();
// Waits for a helper's window with the caption (of the given process, or any
// when 0) and returns it, or null when none came in time.
HWND AwaitWindow(const wchar_t* caption, DWORD processId);
// Plays the role named on the command line; returns false when it names none.
bool RunRole(int* exitCode);

}  // namespace helper
