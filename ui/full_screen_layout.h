// Where the full-screen bar goes: plain arithmetic on rectangles.
#pragma once

#include <windows.h>

// The bar's size, as its skin makes it, in skin units (pixels at 96 DPI).
inline constexpr SIZE kFullScreenBarSize = {210, 34};

// Where a bar of that size (in pixels) first appears: centred at the top of
// a screen sw pixels wide, fully in view.
POINT FullScreenBarStart(int screenWidth, SIZE bar);

enum class BarSlide { Hide, Reveal };

// The rectangle of a bar of that size after a slide: centred over the work
// area's right edge (a bar wider than the work area first has its right
// edge aligned with the work area's), hidden up to its one bottom pixel row
// or revealed to y -1.
RECT SlidBarRect(const RECT& workArea, BarSlide slide, SIZE bar);
