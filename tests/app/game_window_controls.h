// The game window's top bar and its full-screen bar as their skins lay them
// out, a game page that shows which keys reach it, and the ways a test works
// them with real input.
#pragma once

#include "http_server.h"

#include <windows.h>

#include <string>
#include <vector>

namespace launchertest {

// Centres of the top bar's buttons, from the client area's right edge: the
// skin lays them out from the right (close 40, maximise or restore 40,
// minimise 40, a gap of 8, full screen 48, boss key 56, 2 between items).
inline constexpr int kCloseButtonFromRight = 20;
inline constexpr int kMaxButtonFromRight = 62;
inline constexpr int kMinButtonFromRight = 104;
inline constexpr int kFullScreenButtonFromRight = 160;
inline constexpr int kBossKeyButtonFromRight = 214;
inline constexpr int kTopBarButtonY = 16;

void ClickTopBarButton(HWND game, int fromRight);

// Proves that the game window's thread has handled the input queued before
// and the messages posted to it before: hovers the boss key button until it
// shows its hover colour (the system hands a thread a mouse move only after
// those), then moves the pointer off it until the colour is gone again.
bool GameWindowCaughtUp(HWND game);

// The full-screen bar: an owned "XMLWnd" window captioned "FormGame", 210 x
// 34, with its 72-pixel button 4 pixels from its right edge.
inline constexpr wchar_t kFullScreenBarCaption[] = L"FormGame";
inline constexpr SIZE kFullScreenBarSize = {210, 34};
inline constexpr POINT kBarButton = {170, 16};

// The launcher's full-screen bars, visible or not.
std::vector<HWND> FullScreenBars(DWORD processId);
// Waits for the one visible bar; null when none shows.
HWND WaitForFullScreenBar(DWORD processId);
// Enters full screen with the top bar's button and leaves it with the
// Escape hot key (the default); true when the bar came and went and the
// window is back where it was.
bool FullScreenRoundTrip(HWND game, DWORD processId);

// Serves, for the account's login, a game page whose title lists the key
// codes it has received: "keys", then " <code>" for each key press.
void ServeKeyEchoGamePage(testsupport::HttpServer& site, const std::string& account);
std::wstring KeyEchoTitle(const std::vector<int>& keyCodes);
// Clicks into the game page (at a point of the game window's client area)
// so that it has the keyboard focus.
void FocusGamePage(HWND game, POINT client);

}  // namespace launchertest
