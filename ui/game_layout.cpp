#include "ui/game_layout.h"

#include "ui/window_fit.h"

#include <algorithm>

namespace {

constexpr int kLeftMargin = 2;
constexpr int kRightMargin = 1;
constexpr int kBottomMargin = 2;

}  // namespace

POINT GameWindowPosition(const RECT& workArea)
{
    return {(workArea.right - kGameWindowSize.cx) / 2, (workArea.bottom - kGameWindowSize.cy) / 2};
}

RECT GameWindowRect(const RECT& workArea, SIZE minimum)
{
    const POINT position = GameWindowPosition(workArea);
    const RECT atPosition = {position.x, position.y, position.x + kGameWindowSize.cx,
                             position.y + kGameWindowSize.cy};
    RECT inside = {};
    if (IntersectRect(&inside, &atPosition, &workArea) && EqualRect(&inside, &atPosition))
        return atPosition;
    const SIZE work = {workArea.right - workArea.left, workArea.bottom - workArea.top};
    const SIZE size = {std::min(kGameWindowSize.cx, work.cx), std::min(kGameWindowSize.cy, work.cy)};
    const LONG left = workArea.left + (work.cx - size.cx) / 2;
    const LONG top = workArea.top + (work.cy - size.cy) / 2;
    return FitInside({left, top, left + size.cx, top + size.cy}, workArea, minimum);
}

RECT WindowedBrowserRect(SIZE client)
{
    const int width = client.cx - kLeftMargin - kRightMargin;
    const int height = client.cy - kGameTopBarHeight - kBottomMargin;
    return {kLeftMargin, kGameTopBarHeight, kLeftMargin + width, kGameTopBarHeight + height};
}

GameLayout LayOutGame(GameMode mode, SIZE client, int topBarHeight)
{
    const RECT topBar = {0, 0, client.cx, topBarHeight};
    if (mode == GameMode::FullScreen)
        return {topBar, {0, 0, client.cx, client.cy}};
    return {topBar, WindowedBrowserRect(client)};
}
