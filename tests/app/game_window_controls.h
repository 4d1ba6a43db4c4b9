// The game window's top bar (game_window.h has its places) and its
// full-screen bar, and the ways a test works them with real input.
#pragma once

#include "game_window.h"
#include "launcher_session.h"

#include <windows.h>

#include <string>
#include <vector>

namespace launchertest {

// Proves that the game window's thread has handled the input queued before
// and the messages posted to it before: hovers the boss key button until it
// shows its hover colour (the system hands a thread a mouse move only after
// those), then moves the pointer off it, onto the top bar's caption, until
// the colour is gone again.
bool GameWindowCaughtUp(HWND game);
// The button shows its hover colour on the screen under the pointer and
// loses it when the pointer rests on the top bar's caption: it is on the
// screen and takes the pointer.
bool TopBarButtonAnswersPointer(HWND game, TopBarButton button);
// What the screen shows at a point of the game window's top bar, left of its
// buttons, whether the window is there or not.
COLORREF TopBarPixel(HWND game);

// The full-screen bar: an owned "XMLWnd" window captioned "FormGame", 210 x
// 34, with its 72-pixel button 4 pixels from its right edge.
inline constexpr wchar_t kFullScreenBarCaption[] = L"FormGame";
inline constexpr POINT kBarButton = {170, 16};
// A point of its caption text, left of the button, from its left edge.
inline constexpr LONG kBarCaptionX = 40;

// The launcher's full-screen bars, visible or not.
std::vector<HWND> FullScreenBars(DWORD processId);
// Waits for the one bar, visible at the top edge of the screen; null when
// none shows there.
HWND WaitForFullScreenBar(DWORD processId);
// The bar's top edge once the pointer has brought it into view.
inline constexpr LONG kBarRevealedTop = -1;
// Moves the pointer to the point, on the bar's strip at the screen's top,
// and waits until the bar has slid into view; false, with the input scene
// printed, when it did not.
bool RevealFullScreenBarAt(HWND bar, POINT point);
// GameWindowCaughtUp for full-screen mode, on the bar's button; the bar must
// be in view (slid down). The pointer rests on the bar's caption on the
// screen's top row, which the bar still covers when it has slid up.
bool FullScreenBarCaughtUp(HWND bar);
// Enters full screen with the top bar's button and leaves it with the
// Escape hot key (the default); true when the bar came and went and the
// window is back where it was.
bool FullScreenRoundTrip(HWND game, DWORD processId);

// Logs in with the account and waits for the game window, its page, the
// browser laid out and the end of the hand-over: the login page loaded again
// into the hidden login browser. Null, with what did not come printed, when
// any of it does not come.
HWND OpenGameWindow(LauncherSession& session, const std::wstring& account);

}  // namespace launchertest
