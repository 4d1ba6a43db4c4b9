#include "ui/game_layout.h"

#include "toolkit/dpi.h"

namespace {

constexpr int kLeftMargin = 2;
constexpr int kRightMargin = 1;
constexpr int kBottomMargin = 2;

}  // namespace

POINT GameWindowPosition(const RECT& workArea, SIZE window)
{
    return {(workArea.right - window.cx) / 2, (workArea.bottom - window.cy) / 2};
}

RECT WindowedBrowserRect(SIZE client, UINT dpi)
{
    const RECT margins = ScaleToDpi(RECT{kLeftMargin, kGameTopBarHeight, kRightMargin, kBottomMargin}, dpi);
    return {margins.left, margins.top, client.cx - margins.right, client.cy - margins.bottom};
}
