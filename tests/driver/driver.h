// Window driver for end-to-end tests: runs under the same Wine as the program
// under test and drives it the way a person would, with real input.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace driver {

// Windows --------------------------------------------------------------------

// Visible and hidden top-level windows, optionally filtered by class name,
// caption (exact) and owning process; a null filter matches everything.
std::vector<HWND> TopLevelWindows(const wchar_t* className = nullptr, const wchar_t* caption = nullptr,
                                  DWORD processId = 0);
// The first match of TopLevelWindows, or null.
HWND FindTopLevelWindow(const wchar_t* className, const wchar_t* caption = nullptr, DWORD processId = 0);
// Direct child windows of a window, in z-order (topmost first).
std::vector<HWND> ChildWindows(HWND parent);
// Every descendant, depth first.
std::vector<HWND> DescendantWindows(HWND parent);

std::wstring WindowText(HWND window);
std::wstring WindowClass(HWND window);
RECT WindowRect(HWND window);          // outer rectangle, screen coordinates
RECT ClientRectOnScreen(HWND window);  // client area, screen coordinates
LONG Style(HWND window);
LONG ExStyle(HWND window);
HWND Owner(HWND window);
bool IsVisible(HWND window);
DWORD ProcessOf(HWND window);
// The window that has the keyboard focus on the window's thread, or null.
HWND FocusOnThreadOf(HWND window);

// Input (real input through SendInput: it reaches whatever window is under the
// pointer or has the keyboard focus, and system-wide hot keys see it) ---------
// The input is queued and the calls return at once; a window reacts when its
// thread next processes messages (the test's own windows: in WaitFor).

void MoveMouseTo(POINT screen);
void ClickAt(POINT screen);
// A click whose press and release each carry the point. Under Wine the X
// server's own pointer events can move the system's pointer between a move
// and the press that follows it (while a window covers the whole screen, Wine
// grabs the X pointer for it and refuses to move the X pointer for this input:
// the X pointer stays behind, and a window shown or moved under it brings the
// system's pointer back there); the soak saw such a press arrive where the
// pointer had been one step before, and the boss-key test a click meant for
// one notification-area icon reach its neighbour. (Sent this way by every
// click, the hot-key tests failed more often, for reasons not found; so only
// those tests click so.)
void ClickAtPinned(POINT screen);
void RightClickAtPinned(POINT screen);
// Clicks at a point given in the window's client coordinates.
void ClickInWindow(HWND window, POINT client);
// Clicks while the keys are held down (for example {VK_CONTROL}).
void ClickAtWithKeysHeld(POINT screen, const std::vector<WORD>& heldKeys);
void DoubleClickAt(POINT screen);
// The left button alone, where it is: for holding it down across other steps.
void PressLeftButton();
void ReleaseLeftButton();
void RightClickAt(POINT screen);
// Presses the left button at from, moves in steps to to, releases there; the
// press and the release carry their points, as ClickAtPinned's do. Processes
// the calling thread's messages meanwhile, so that a window of this thread can
// run its move loop.
void DragMouse(POINT from, POINT to);
// Presses and releases one key.
void PressKey(WORD virtualKey);
// Presses the keys in order and releases them in reverse order
// (for example {VK_CONTROL, VK_SHIFT, 'F'}); with modifiers, once the
// foreground window has stayed the same for a moment (see input.cpp).
void PressKeyCombination(const std::vector<WORD>& virtualKeys);
// Types text as Unicode key strokes: it reaches the focused window as
// WM_CHAR whatever the keyboard layout.
void TypeText(const std::wstring& text);
// Makes the window the foreground window, so that key presses reach it (or
// the child that has its focus); waits for it, processing the calling
// thread's messages, and returns whether it is the foreground now.
bool BringToForeground(HWND window);
// Waits, without changing the foreground, until the window is the foreground
// and has stayed so while its thread answered a few times (see
// BringToForeground); returns whether it did.
bool WaitForSettledForeground(HWND window);

// Waiting --------------------------------------------------------------------

// Calls condition until it returns true or timeoutMs has passed, processing
// the calling thread's messages in between (so a test's own windows keep
// working). Returns whether the condition became true.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs);
// Processes the calling thread's messages for the given time.
void PumpMessagesFor(DWORD milliseconds);

// Screen ---------------------------------------------------------------------

// Saves a picture of the whole X display as PNG; returns whether it worked.
bool SaveScreenshot(const std::wstring& pngPath);
// Saves it as name in the temporary folder; its path, or an empty string.
std::wstring SaveScreenshotInTempFolder(const std::wstring& name);
// The colour of one screen pixel.
COLORREF PixelAt(POINT screen);
// The colours of a screen rectangle, row by row from the top; empty when it
// cannot be read.
std::vector<COLORREF> ScreenColours(const RECT& screen);

// Hot keys and the notification area ------------------------------------------

// Whether another window or program holds the system-wide hot key: this
// program's own registration of it is refused as already registered.
bool HotKeyTaken(UINT modifiers, UINT virtualKey);
// Which of the eight combinations of Alt, Control and Shift (MOD_ values)
// with the key others hold, in increasing order.
std::vector<UINT> TakenModifierSets(UINT virtualKey);

// The icons of the system's notification area, as the windows Wine draws them
// in: on the X display's own desktop, the stand-alone tray window's icons; on
// a desktop of Wine's own with a taskbar, the taskbar's. Left to right.
std::vector<HWND> NotificationAreaIcons();

// Processes ------------------------------------------------------------------

struct Process {
    HANDLE handle = nullptr;
    DWORD id = 0;
};
// Starts a program with the given command-line arguments in the given folder
// (the program's own folder when empty). A start the system refuses is made
// again, up to three in all, each refusal printed with its error; an empty
// Process when every one was refused.
Process StartProcess(const std::wstring& exePath, const std::wstring& arguments,
                     const std::wstring& workingDirectory = L"");
// Waits for the process to end; returns whether it did within the timeout and
// stores its exit code.
bool WaitForExit(const Process& process, DWORD timeoutMs, DWORD* exitCode);
// The exit code of a process that KillProcess or KillProcessTree ended.
constexpr UINT kKilledExitCode = 0xdead;
// Ends the process and waits until it has ended.
void KillProcess(const Process& process);
// Ends the process and every process it started, and their children in turn
// (a program's helper processes, such as a browser engine's).
void KillProcessTree(const Process& process);
// Closes the handle (the process runs on) and clears the record.
void CloseProcess(Process& process);
// Identifiers of running processes whose image file name (no folder) matches,
// case-insensitively.
std::vector<DWORD> ProcessesNamed(const wchar_t* imageName);
// Identifiers of the processes the process started that still run, oldest first.
std::vector<DWORD> ChildProcessesOf(DWORD parentId);
// The process's command line, read from its memory; empty when it cannot be read.
std::wstring CommandLineOf(DWORD processId);

// What a process holds (the handle needs query and memory-read access) ---------
// The system's GetGuiResources where it has one. Wine has none (it fails with
// ERROR_CALL_NOT_IMPLEMENTED); there GDI objects are the used entries of the
// process's GDI handle table, read from its memory, and USER objects are its
// windows (top-level ones, their descendants and message-only ones): the
// USER objects a window that lingers keeps.

DWORD GdiObjectCount(HANDLE process);
DWORD UserObjectCount(HANDLE process);
// Committed memory that belongs to the process alone ("private bytes"): the
// system's figure, or where it gives none (Wine), the committed private regions.
SIZE_T PrivateBytes(HANDLE process);

// The processor time (user and kernel) the process has used so far, in
// milliseconds; 0 when no such process runs.
double CpuTimeMs(DWORD processId);
// The same for one thread of the process (for example the one that owns a
// window: GetWindowThreadProcessId); 0 when no such thread runs.
double ThreadCpuTimeMs(DWORD processId, DWORD threadId);

}  // namespace driver
