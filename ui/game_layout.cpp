#include "ui/game_layout.h"

namespace {

constexpr int kLeftMargin = 2;
constexpr int kRightMargin = 1;
constexpr int kBottomMargin = 2;

}  // namespace

POINT GameWindowPosition(const RECT& workArea)
{
    return {(workArea.right - kGameWindowSize.cx) / 2, (workArea.bottom - kGameWindowSize.cy) / 2};
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
