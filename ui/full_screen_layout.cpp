#include "ui/full_screen_layout.h"

POINT FullScreenBarStart(int screenWidth, SIZE bar)
{
    return {screenWidth / 2 - bar.cx / 2, 0};
}

RECT SlidBarRect(const RECT& workArea, BarSlide slide, SIZE barSize)
{
    RECT bar = {0, 0, barSize.cx, barSize.cy};
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
