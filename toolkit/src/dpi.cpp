#include "toolkit/dpi.h"

#include <algorithm>

namespace {

constexpr UINT kLargestDpi = kSkinDpi * 5;

}  // namespace

UINT UsableDpi(UINT reported)
{
    return std::clamp(reported, kSkinDpi, kLargestDpi);
}

int ScaleToDpi(int units, UINT dpi)
{
    const long long scaled = static_cast<long long>(units) * dpi;
    const long long half = kSkinDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kSkinDpi : -((-scaled + half) / kSkinDpi));
}

SIZE ScaleToDpi(SIZE units, UINT dpi)
{
    return {ScaleToDpi(units.cx, dpi), ScaleToDpi(units.cy, dpi)};
}

POINT ScaleToDpi(POINT units, UINT dpi)
{
    return {ScaleToDpi(units.x, dpi), ScaleToDpi(units.y, dpi)};
}

RECT ScaleToDpi(const RECT& units, UINT dpi)
{
    return {ScaleToDpi(units.left, dpi), ScaleToDpi(units.top, dpi), ScaleToDpi(units.right, dpi),
            ScaleToDpi(units.bottom, dpi)};
}

UINT DpiThatFits(UINT dpi, SIZE windowAtDpi, SIZE area)
{
    long long fitting = dpi;
    if (windowAtDpi.cx > area.cx && windowAtDpi.cx > 0) {
        fitting = std::min(fitting, static_cast<long long>(dpi) * std::max(0L, area.cx) / windowAtDpi.cx);
    }
    if (windowAtDpi.cy > area.cy && windowAtDpi.cy > 0) {
        fitting = std::min(fitting, static_cast<long long>(dpi) * std::max(0L, area.cy) / windowAtDpi.cy);
    }
    return static_cast<UINT>(std::max<long long>(fitting, std::min(dpi, kSkinDpi)));
}
