// Where the game window and its browser go: plain arithmetic on rectangles.
#pragma once

#include <windows.h>

// The game window's size, in skin units (pixels at 96 DPI).
inline constexpr SIZE kGameWindowSize = {1250, 700};
// The top bar's height, where the browser starts, in skin units.
inline constexpr int kGameTopBarHeight = 32;

// The top-left corner of a game window of that size (in pixels): centred by
// the work area's right and bottom edges alone (its left and top are not
// looked at), each division truncating toward zero, so a work area smaller
// than the window gives a negative position.
POINT GameWindowPosition(const RECT& workArea, SIZE window);

// The rectangle of a game window of that size (in pixels) on opening: at
// GameWindowPosition where the window lies inside the work area there;
// otherwise centred in the work area and made to fit it, not below the
// minimum size.
RECT GameWindowRect(const RECT& workArea, SIZE window, SIZE minimum);

// The browser's rectangle in the windowed game window's client area, below
// the top bar, with margins of 2 on the left, 1 on the right and 2 at the
// bottom; the bar and the margins in skin units scaled to the window's DPI.
RECT WindowedBrowserRect(SIZE client, UINT dpi);

enum class GameMode { Windowed, FullScreen };

// The top bar and the browser in the client area.
struct GameLayout {
    // Across the client width at the bar's own height.
    RECT topBar;
    // Below the top bar in a window; over the whole client area in full screen.
    RECT browser;
};

// The bar's height in pixels; the window's DPI scales the browser's margins.
GameLayout LayOutGame(GameMode mode, SIZE client, int topBarHeight, UINT dpi);
