#include "game_window.h"

#include "driver.h"
#include "launcher_session.h"

#include <cstdlib>
#include <vector>

namespace launchertest {

namespace {

// From the top bar's right end: closebtn, then restorebtn or maxbtn, then
// minbtn, each 40 wide with 2 between them; the buttons are 31 high.
constexpr int kButtonWidth = 40;
constexpr int kButtonSpacing = 2;
constexpr int kButtonCentreY = 15;
// The browser's margins in the client area.
constexpr int kBrowserLeft = 2;
constexpr int kBrowserRightMargin = 1;
constexpr int kBrowserBottomMargin = 2;
// How far a colour on the screen may be from the skin's.
constexpr int kColourTolerance = 3;
constexpr DWORD kSampleIntervalMs = 5;

int SlotFromRight(TopBarButton button)
{
    switch (button) {
    case TopBarButton::Close:
        return 0;
    case TopBarButton::MaximiseOrRestore:
        return 1;
    case TopBarButton::Minimise:
        return 2;
    }
    return 0;
}

bool Near(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= kColourTolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= kColourTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= kColourTolerance;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

}  // namespace

POINT TopBarButtonCentre(HWND game, TopBarButton button)
{
    const int right = ClientSize(game).cx - SlotFromRight(button) * (kButtonWidth + kButtonSpacing);
    return {right - kButtonWidth / 2, kButtonCentreY};
}

void ClickTopBarButton(HWND game, TopBarButton button)
{
    driver::ClickInWindow(game, TopBarButtonCentre(game, button));
}

SIZE ClientSize(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

RECT BrowserRectInClient(HWND game)
{
    const HWND browser = BrowserWindowIn(game);
    if (!browser)
        return {};
    RECT rect = driver::WindowRect(browser);
    MapWindowPoints(HWND_DESKTOP, game, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool BrowserFillsBelowTopBar(HWND game)
{
    const SIZE client = ClientSize(game);
    const RECT expected = {kBrowserLeft, kGameTopBarHeight, client.cx - kBrowserRightMargin,
                           client.cy - kBrowserBottomMargin};
    return SameRect(BrowserRectInClient(game), expected);
}

int TopBarLineGaps(HWND game)
{
    const RECT client = driver::ClientRectOnScreen(game);
    const RECT line = {client.left, client.top + kGameTopBarHeight - 1, client.right, client.top + kGameTopBarHeight};
    const std::vector<COLORREF> colours = driver::ScreenColours(line);
    if (colours.empty())
        return -1;
    int gaps = 0;
    for (COLORREF colour : colours)
        gaps += Near(colour, kGameTopBarLineColour) ? 0 : 1;
    return gaps;
}

int BrowserMovesWithin(HWND game, DWORD periodMs)
{
    const HWND browser = BrowserWindowIn(game);
    RECT last = driver::WindowRect(browser);
    int moves = 0;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < periodMs) {
        Sleep(kSampleIntervalMs);
        const RECT now = driver::WindowRect(browser);
        if (!SameRect(now, last))
            ++moves;
        last = now;
    }
    return moves;
}

}  // namespace launchertest
