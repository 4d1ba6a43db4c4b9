// Where the game window and its browser go: plain arithmetic on rectangles.
#pragma once

#include <windows.h>

// The game window's size.
inline constexpr SIZE kGameWindowSize = {1250, 700};
// The top bar's height, where the browser starts.
inline constexpr int kGameTopBarHeight = 32;

// The game window's top-left corner: centred by the work area's right and
// bottom edges alone (its left and top are not looked at), each division
// truncating toward zero, so a work area smaller than the window gives a
// negative position.
POINT GameWindowPosition(const RECT& workArea);

// The game window's rectangle on opening: at GameWindowPosition where the
// window lies inside the work area there; otherwise centred in the work area
// and made to fit it, not below the minimum size.
RECT GameWindowRect(const RECT& workArea, SIZE minimum);

// The browser's rectangle in the windowed game window's client area, below
// the top bar, with margins of 2 on the left, 1 on the right and 2 at the bottom.
RECT WindowedBrowserRect(SIZE client);

enum class GameMode { Windowed, FullScreen };

// The top bar and the browser in the client area.
struct GameLayout {
    // Across the client width at the bar's own height.
    RECT topBar;
    // Below the top bar in a window; over the whole client area in full screen.
    RECT browser;
};

GameLayout LayOutGame(GameMode mode, SIZE client, int topBarHeight);
