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

// The browser's rectangle in the windowed game window's client area, below
// the top bar, with margins of 2 on the left, 1 on the right and 2 at the
// bottom; the bar and the margins in skin units scaled to the window's DPI.
RECT WindowedBrowserRect(SIZE client, UINT dpi);
