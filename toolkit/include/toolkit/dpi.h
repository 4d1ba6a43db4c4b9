// Skins are written in the units of a 96-DPI screen; windows are laid out in
// pixels at their own DPI. Plain arithmetic, for the toolkit and the windows
// that place things in pixels themselves.
#pragma once

#include <windows.h>

// The DPI at which a skin unit is one pixel.
inline constexpr UINT kSkinDpi = 96;

// The DPI to lay out at for one the system reports: Windows offers 100 % to
// 500 %, and anything outside (a hand-edited setting) is brought inside.
UINT UsableDpi(UINT reported);

// Skin units to pixels at that DPI, rounded to the nearest pixel (halves
// away from zero, so that a negative edge mirrors a positive one).
int ScaleToDpi(int units, UINT dpi);
SIZE ScaleToDpi(SIZE units, UINT dpi);
POINT ScaleToDpi(POINT units, UINT dpi);
// Each edge on its own: a rectangle's edges in skin units (insets, paddings,
// caption edges counted from the other side) scale as distances.
RECT ScaleToDpi(const RECT& units, UINT dpi);

// The highest DPI, no higher than dpi, at which a window that is
// windowAtDpi large at dpi fits inside area; never below kSkinDpi (a window
// too large even then is left for its placement to deal with).
UINT DpiThatFits(UINT dpi, SIZE windowAtDpi, SIZE area);
