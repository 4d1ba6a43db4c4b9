#include "game_window.h"

#include "driver.h"
#include "launcher_session.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace launchertest {

namespace {

// Where a button's colour shows: inside its top left corner, clear of its text.
constexpr POINT kColourSpotInset = {3, 4};
// The browser's margins in the client area: left, top, right, bottom.
constexpr RECT kBrowserMargins = {2, kGameTopBarHeight, 1, 2};
// How far a colour on the screen may be from the skin's.
constexpr int kColourTolerance = 3;
constexpr DWORD kSampleIntervalMs = 5;
// The demo game page's text at its top left (the server and the account).
constexpr COLORREF kGamePageTextColour = RGB(0xF4, 0xC4, 0x6A);
constexpr RECT kGamePageTextArea = {16, 12, 216, 36};
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
// Where the page's place is looked at for white, in per cent of the
// browser's area (away from the page's text and links).
constexpr POINT kPageSpots[] = {{25, 60}, {50, 75}, {75, 60}};

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

RECT InsideBrowserMargins(const RECT& client)
{
    return {client.left + kBrowserMargins.left, client.top + kBrowserMargins.top,
            client.right - kBrowserMargins.right, client.bottom - kBrowserMargins.bottom};
}

}  // namespace

POINT TopBarButtonCentre(HWND game, TopBarButton button)
{
    return {ClientSize(game).cx - SpanOf(button).CentreFromRight(), kTopBarMiddleY};
}

POINT TopBarButtonColourSpot(HWND game, TopBarButton button)
{
    return {ClientSize(game).cx - SpanOf(button).LeftFromRight() + kColourSpotInset.x, kColourSpotInset.y};
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
    return SameRect(BrowserRectInClient(game), InsideBrowserMargins({0, 0, client.cx, client.cy}));
}

RECT WindowedBrowserRect(HWND game)
{
    return InsideBrowserMargins(driver::ClientRectOnScreen(game));
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

GamePageArea LookAtGamePage(HWND game)
{
    // The browser's own window once it exists, else the place the window keeps for it.
    const HWND browser = BrowserWindowIn(game);
    const RECT area = driver::ClientRectOnScreen(browser ? browser : game);
    GamePageArea page;
    for (const POINT& spot : kPageSpots) {
        const POINT place = {area.left + (area.right - area.left) * spot.x / 100,
                             area.top + (area.bottom - area.top) * spot.y / 100};
        if (!page.white && driver::PixelAt(place) == kWhite) {
            page.white = true;
            const HWND there = WindowFromPoint(place);
            page.whiteWindow = Utf8(driver::WindowClass(there)) + (there == game ? " (the game window)" : "");
        }
    }
    if (browser) {
        const RECT text = {area.left + kGamePageTextArea.left, area.top + kGamePageTextArea.top,
                           area.left + kGamePageTextArea.right, area.top + kGamePageTextArea.bottom};
        const std::vector<COLORREF> colours = driver::ScreenColours(text);
        page.painted = std::find(colours.begin(), colours.end(), kGamePageTextColour) != colours.end();
    }
    return page;
}

}  // namespace launchertest
