#include "ui/game_layout.h"

#include "toolkit/dpi.h"
#include "ui/window_fit.h"

#include <algorithm>

namespace {

constexpr int kLeftMargin = 2;
constexpr int kRightMargin = 1;
constexpr int kBottomMargin = 2;

}  // namespace

POINT GameWindowPosition(const RECT& workArea, SIZE window)
{
    return {(workArea.right - window.cx) / 2, (workArea.bottom - window.cy) / 2};
}

RECT GameWindowRect(const RECT& workArea, SIZE window, SIZE minimum)
{
    const POINT position = GameWindowPosition(workArea, window);
    const RECT atPosition = {position.x, position.y, position.x + window.cx, position.y + window.cy};
    RECT inside = {};
    if (IntersectRect(&inside, &atPosition, &workArea) && EqualRect(&inside, &atPosition))
        return atPosition;
    const SIZE work = {workArea.right - workArea.left, workArea.bottom - workArea.top};
    const SIZE size = {std::min(window.cx, work.cx), std::min(window.cy, work.cy)};
    const LONG left = workArea.left + (work.cx - size.cx) / 2;
    const LONG top = workArea.top + (work.cy - size.cy) / 2;
    return FitInside({left, top, left + size.cx, top + size.cy}, workArea, minimum);
}

RECT WindowedBrowserRect(SIZE client, UINT dpi)
{
    const RECT margins = ScaleToDpi(RECT{kLeftMargin, kGameTopBarHeight, kRightMargin, kBottomMargin}, dpi);
    return {margins.left, margins.top, client.cx - margins.right, client.cy - margins.bottom};
}

GameLayout LayOutGame(GameMode mode, SIZE client, int topBarHeight, UINT dpi)
{
    const RECT topBar = {0, 0, client.cx, topBarHeight};
    if (mode == GameMode::FullScreen)
        return {topBar, {0, 0, client.cx, client.cy}};
    return {topBar, WindowedBrowserRect(client, dpi)};
}
