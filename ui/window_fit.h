// Where a window goes so that it lies on a monitor: plain arithmetic on
// rectangles, for monitors the system reports or a test makes up.
#pragma once

#include <windows.h>

#include <vector>

// The window moved, and made smaller where it must (not below minimum), to
// lie inside the work area; a window still larger than the work area keeps
// its top-left corner, where its caption is, in it.
RECT FitInside(const RECT& window, const RECT& workArea, SIZE minimum);

// Which of the areas the window lies on most; when it lies on none, the one
// nearest to it. -1 when there is no area.
int NearestArea(const std::vector<RECT>& areas, const RECT& window);

// Whether the window overlaps any of the areas.
bool OverlapsAny(const std::vector<RECT>& areas, const RECT& window);
