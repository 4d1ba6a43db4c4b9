#include "ui/window_fit.h"

#include <algorithm>
#include <climits>

namespace {

LONG Width(const RECT& rect)
{
    return rect.right - rect.left;
}

LONG Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

// The gap between two spans on one axis; 0 when they overlap.
long long Gap(LONG aStart, LONG aEnd, LONG bStart, LONG bEnd)
{
    if (aEnd <= bStart)
        return static_cast<long long>(bStart) - aEnd;
    if (bEnd <= aStart)
        return static_cast<long long>(aStart) - bEnd;
    return 0;
}

long long OverlapArea(const RECT& a, const RECT& b)
{
    RECT common = {};
    if (!IntersectRect(&common, &a, &b))
        return 0;
    return static_cast<long long>(Width(common)) * Height(common);
}

}  // namespace

RECT FitInside(const RECT& window, const RECT& workArea, SIZE minimum)
{
    const LONG width = std::max(std::min(Width(window), Width(workArea)), minimum.cx);
    const LONG height = std::max(std::min(Height(window), Height(workArea)), minimum.cy);
    LONG left = std::min(window.left, workArea.right - width);
    LONG top = std::min(window.top, workArea.bottom - height);
    left = std::max(left, workArea.left);
    top = std::max(top, workArea.top);
    return {left, top, left + width, top + height};
}

int NearestArea(const std::vector<RECT>& areas, const RECT& window)
{
    int best = -1;
    long long bestOverlap = 0;
    long long bestDistance = LLONG_MAX;
    for (int i = 0; i < static_cast<int>(areas.size()); ++i) {
        const RECT& area = areas[i];
        const long long overlap = OverlapArea(area, window);
        const long long dx = Gap(window.left, window.right, area.left, area.right);
        const long long dy = Gap(window.top, window.bottom, area.top, area.bottom);
        const long long distance = dx * dx + dy * dy;
        if (overlap > bestOverlap || (bestOverlap == 0 && overlap == 0 && distance < bestDistance)) {
            best = i;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return best;
}

bool OverlapsAny(const std::vector<RECT>& areas, const RECT& window)
{
    return std::any_of(areas.begin(), areas.end(), [&](const RECT& area) { return OverlapArea(area, window) > 0; });
}
