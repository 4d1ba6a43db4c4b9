// Where this Wine behaves unlike Windows and the windows step around it. Each
// function says what Windows does instead; one that would not be harmless on
// Windows acts only under Wine.
#pragma once

#include <windows.h>

// Whether the program runs under Wine: its ntdll exports wine_get_version.
// Looked up once.
bool RunsUnderWine();

// Puts an owned window back above its owner after the owner took the focus.
// Wine without a window manager raises the X window that takes the focus
// above all others, owned ones included, and then reorders its own window
// list to match. Windows keeps owned windows above their owner by itself, and
// lifting the owner link there for a moment could make the taskbar flicker:
// under Wine only.
void RaiseOwnedWindowAboveOwner(HWND owned);

// Puts an owned window back on top after its owner was placed in the window
// order. Wine without a window manager can leave the owner above it; Windows
// keeps owned windows above their owner, where this changes nothing.
void KeepOwnedWindowOnTop(HWND owned);

// Handles input events already queued for this thread now. Under Wine a
// hidden window's loss of the X input focus comes back as an X event, which
// a thread busy with messages handles only every so often; handled after the
// window is shown again, it hands the foreground to the desktop. On Windows
// the wait of no time returns at once.
void HandleQueuedInputNow();
