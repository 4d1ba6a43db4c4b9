// Where the full-screen bar goes: plain arithmetic on rectangles.
#pragma once

#include <windows.h>

// The bar's size, as its skin makes it, in skin units (pixels at 96 DPI).
inline constexpr SIZE kFullScreenBarSize = {210, 34};

// Where a bar of that size (in pixels) first appears: centred at the top of
// the monitor, fully in view.
POINT FullScreenBarStart(const RECT& monitor, SIZE bar);

enum class BarSlide { Hide, Reveal };

// The rectangle of a bar of that size after a slide: centred across the
// monitor (a bar wider than the monitor first has its right edge aligned
// with the monitor's), hidden above the monitor's top edge up to its one
// bottom pixel row or revealed to one pixel above that edge.
RECT SlidBarRect(const RECT& monitor, BarSlide slide, SIZE bar);
