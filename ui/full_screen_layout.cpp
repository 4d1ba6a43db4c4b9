#include "ui/full_screen_layout.h"

POINT FullScreenBarStart(int screenWidth)
{
    return {screenWidth / 2 - kFullScreenBarSize.cx / 2, 0};
}

RECT SlidBarRect(const RECT& workArea, BarSlide slide)
{
    RECT bar = {0, 0, kFullScreenBarSize.cx, kFullScreenBarSize.cy};
    if (bar.right > workArea.right) {
        const int shift = bar.right - workArea.right;
        bar.left -= shift;
        bar.right -= shift;
    }
    const int dx = (workArea.right - bar.right + bar.left) / 2;
    const int dy = slide == BarSlide::Hide ? bar.top - bar.bottom + 1 : -1;
    OffsetRect(&bar, dx, dy);
    return bar;
}
