#include "ui/full_screen_layout.h"

POINT FullScreenBarStart(const RECT& monitor, SIZE bar)
{
    return {monitor.left + (monitor.right - monitor.left) / 2 - bar.cx / 2, monitor.top};
}

RECT SlidBarRect(const RECT& monitor, BarSlide slide, SIZE barSize)
{
    const LONG width = monitor.right - monitor.left;
    RECT bar = {0, 0, barSize.cx, barSize.cy};
    if (bar.right > width) {
        const int shift = bar.right - width;
        bar.left -= shift;
        bar.right -= shift;
    }
    const int dx = (width - bar.right + bar.left) / 2;
    const int dy = slide == BarSlide::Hide ? bar.top - bar.bottom + 1 : -1;
    OffsetRect(&bar, monitor.left + dx, monitor.top + dy);
    return bar;
}
