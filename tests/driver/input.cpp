// Real mouse and keyboard input through SendInput.
#include "driver.h"

#include <atomic>
#include <thread>

namespace driver {
namespace {

// Absolute pointer positions are given in 1/65536 of the virtual screen.
constexpr LONG kAbsoluteScale = 65536;
// A drag moves in steps and pauses between them, so that the window being
// dragged sees a path rather than a jump, and has time after the press to
// start its move loop and capture the mouse.
constexpr int kDragSteps = 10;
constexpr DWORD kDragStepPauseMs = 15;
constexpr DWORD kDragPressPauseMs = 50;
constexpr DWORD kDragTimeoutMs = 10000;
// The pointer rests at the drag's end before the release, as a hand's does.
// Wine's move and size loop ends as soon as the button is up in the key
// state when it has handled any other message, at the last move it had taken:
// a release that comes while that loop's thread is busy cuts off the moves
// still queued (seen under load as a right-edge drag ending one step short).
constexpr DWORD kDragEndRestMs = 250;
// A window of another thread activates itself when it handles the request;
// a window that is still showing itself may take the foreground meanwhile.
// How often the window's thread must answer with the window still in the foreground.
constexpr int kForegroundSettleRounds = 3;
constexpr DWORD kForegroundTimeoutMs = 3000;
// How long the foreground must stay the same before a key combination.
constexpr DWORD kForegroundSettleMs = 250;

// Maps a screen coordinate to the absolute scale so that the system's
// conversion back (rounding down) lands on the same pixel.
LONG ToAbsolute(LONG coordinate, LONG origin, LONG extent)
{
    if (extent <= 0)
        return 0;
    const long long offset = static_cast<long long>(coordinate - origin);
    return static_cast<LONG>((offset * kAbsoluteScale + extent - 1) / extent);
}

INPUT MouseInput(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

void SendMouse(DWORD flags)
{
    INPUT input = MouseInput(flags);
    SendInput(1, &input, sizeof input);
}

// Keys that the keyboard reports with the extended prefix; without the flag
// the system reads them as their numeric-keypad twins.
bool IsExtendedKey(WORD virtualKey)
{
    switch (virtualKey) {
    case VK_RMENU: case VK_RCONTROL: case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END:
    case VK_PRIOR: case VK_NEXT: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_NUMLOCK: case VK_SNAPSHOT: case VK_DIVIDE: case VK_LWIN: case VK_RWIN: case VK_APPS:
        return true;
    default:
        return false;
    }
}

INPUT KeyInput(WORD virtualKey, bool release)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (IsExtendedKey(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0) | (release ? KEYEVENTF_KEYUP : 0);
    return input;
}

INPUT CharacterInput(wchar_t unit, bool release)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = unit;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (release ? KEYEVENTF_KEYUP : 0);
    return input;
}

void SendAll(std::vector<INPUT>& inputs)
{
    if (!inputs.empty())
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// A move to the point on the virtual screen, with any button flags given.
INPUT MoveInput(POINT screen, DWORD buttonFlags)
{
    INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | buttonFlags);
    input.mi.dx = ToAbsolute(screen.x, GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    input.mi.dy = ToAbsolute(screen.y, GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    return input;
}

// The press and the release carry their points, as a pinned click's do: a
// window that has just moved or been shown under the X pointer can bring the
// system's pointer back there before a press that names no point.
void SendDrag(POINT from, POINT to)
{
    std::vector<INPUT> press = {MoveInput(from, 0), MoveInput(from, MOUSEEVENTF_LEFTDOWN)};
    SendAll(press);
    Sleep(kDragPressPauseMs);
    for (int step = 1; step <= kDragSteps; ++step) {
        const POINT along = {from.x + (to.x - from.x) * step / kDragSteps, from.y + (to.y - from.y) * step / kDragSteps};
        MoveMouseTo(along);
        Sleep(kDragStepPauseMs);
    }
    Sleep(kDragEndRestMs);
    std::vector<INPUT> release = {MoveInput(to, MOUSEEVENTF_LEFTUP)};
    SendAll(release);
}

void Click(POINT screen, DWORD downFlag, DWORD upFlag)
{
    MoveMouseTo(screen);
    SendMouse(downFlag);
    SendMouse(upFlag);
}

// A move, a press and a release sent together, each naming the point.
void ClickPinned(POINT screen, DWORD downFlag, DWORD upFlag)
{
    std::vector<INPUT> inputs = {MoveInput(screen, 0), MoveInput(screen, downFlag), MoveInput(screen, upFlag)};
    SendAll(inputs);
}

// Waits until the foreground window has stayed the same for a while, without
// sending it anything. Under Wine a window taking the X focus gets the X
// server's keymap with it and sets Shift, Control and Alt to what the X
// server says is held (winex11's KeymapNotify handling); the X server knows
// nothing of keys sent here. The window's thread does so when it next looks
// for messages, soon after the foreground changed: a combination pressed
// before that loses its modifiers. Seen as a boss key missed while the
// notification area's own window was taking the foreground from the game
// window the key had just hidden. Windows keeps no such second state.
void WaitForForegroundToSettle()
{
    HWND seen = GetForegroundWindow();
    DWORD seenSince = GetTickCount();
    WaitFor(
        [&] {
            const HWND foreground = GetForegroundWindow();
            if (foreground != seen) {
                seen = foreground;
                seenSince = GetTickCount();
            }
            return GetTickCount() - seenSince >= kForegroundSettleMs;
        },
        kForegroundTimeoutMs);
}

// Under Wine a foreground change reaches the window's own thread later, as X
// focus events it handles when it next looks for messages; handled in the
// middle of a click or a drag, they deactivate the window and cancel the
// press. So the window must still be the foreground after its thread has
// answered a few times. With bring, the window is made the foreground
// whenever it is not.
bool WaitForForegroundSettledAt(HWND window, bool bring)
{
    int settledRounds = 0;
    return WaitFor(
        [&] {
            if (GetForegroundWindow() != window) {
                settledRounds = 0;
                if (bring)
                    SetForegroundWindow(window);
                return false;
            }
            DWORD_PTR answer = 0;
            if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kForegroundTimeoutMs, &answer) &&
                GetForegroundWindow() == window)
                ++settledRounds;
            return settledRounds >= kForegroundSettleRounds;
        },
        kForegroundTimeoutMs);
}

}  // namespace

void MoveMouseTo(POINT screen)
{
    INPUT input = MoveInput(screen, 0);
    SendInput(1, &input, sizeof input);
}

void ClickAt(POINT screen)
{
    Click(screen, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void ClickAtPinned(POINT screen)
{
    ClickPinned(screen, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void RightClickAtPinned(POINT screen)
{
    ClickPinned(screen, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

void ClickInWindow(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    ClickAt(client);
}

void ClickAtWithKeysHeld(POINT screen, const std::vector<WORD>& heldKeys)
{
    MoveMouseTo(screen);
    std::vector<INPUT> inputs;
    for (WORD key : heldKeys)
        inputs.push_back(KeyInput(key, false));
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTDOWN));
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTUP));
    for (auto key = heldKeys.rbegin(); key != heldKeys.rend(); ++key)
        inputs.push_back(KeyInput(*key, true));
    SendAll(inputs);
}

void PressLeftButton()
{
    SendMouse(MOUSEEVENTF_LEFTDOWN);
}

void ReleaseLeftButton()
{
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void DoubleClickAt(POINT screen)
{
    ClickAt(screen);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void RightClickAt(POINT screen)
{
    Click(screen, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

void DragMouse(POINT from, POINT to)
{
    // The system picks a mouse message's window when the input is sent. The
    // moves therefore come from a second thread while this one dispatches its
    // messages: a window of this thread that answers the press with a move
    // loop holds the capture by the time the moves arrive.
    std::atomic<bool> sent{false};  // written by the drag thread, read by this one
    std::thread drag([&] {
        SendDrag(from, to);
        sent = true;
    });
    WaitFor([&] { return sent.load(); }, kDragTimeoutMs);
    drag.join();
}

void PressKey(WORD virtualKey)
{
    PressKeyCombination({virtualKey});
}

void PressKeyCombination(const std::vector<WORD>& virtualKeys)
{
    if (virtualKeys.size() > 1)
        WaitForForegroundToSettle();
    std::vector<INPUT> inputs;
    for (WORD key : virtualKeys)
        inputs.push_back(KeyInput(key, false));
    for (auto key = virtualKeys.rbegin(); key != virtualKeys.rend(); ++key)
        inputs.push_back(KeyInput(*key, true));
    SendAll(inputs);
}

void TypeText(const std::wstring& text)
{
    std::vector<INPUT> inputs;
    for (wchar_t unit : text) {
        inputs.push_back(CharacterInput(unit, false));
        inputs.push_back(CharacterInput(unit, true));
    }
    SendAll(inputs);
}

bool BringToForeground(HWND window)
{
    return WaitForForegroundSettledAt(window, true);
}

bool WaitForSettledForeground(HWND window)
{
    return WaitForForegroundSettledAt(window, false);
}

}  // namespace driver
