// The game window seen from outside: where its top-bar buttons are, where its
// browser sits, what its top bar shows on the screen, and whether its layout
// has come to rest.
#pragma once

#include <windows.h>

#include <string>

namespace launchertest {

// The game window's size, as its skin (skin/FormGame.xml) gives it.
inline constexpr SIZE kGameWindowSize = {1250, 700};
// The skin's top bar is 32 pixels high; its last row is a gold line (the
// bar's inset of 1 at its bottom), so that its buttons are 31 high.
inline constexpr int kGameTopBarHeight = 32;
inline constexpr COLORREF kGameTopBarLineColour = RGB(107, 85, 38);
// The row through the middle of the top bar's buttons.
inline constexpr int kTopBarMiddleY = (kGameTopBarHeight - 1) / 2;

enum class TopBarButton {
    Close,
    // "maxbtn" and "restorebtn" share a place: one of them is shown.
    MaximiseOrRestore,
    Minimise,
    FullScreen,
    BossKey,
    Service,
    Forum,
    Recharge,
    Official,
};

namespace topbar {
// The top bar's items from its right end, as the skin lists them from its
// end, each followed by the bar's spacing of 2; a gap is a plain control.
// Hidden items take no room: "restorebtn" is not listed.
struct Item {
    int width;
    bool isButton;
    TopBarButton button;
};
inline constexpr int kSpacing = 2;
inline constexpr Item kItemsFromRight[] = {
    {40, true, TopBarButton::Close},
    {40, true, TopBarButton::MaximiseOrRestore},
    {40, true, TopBarButton::Minimise},
    {8, false, {}},
    {48, true, TopBarButton::FullScreen},
    {56, true, TopBarButton::BossKey},
    {16, false, {}},
    {64, true, TopBarButton::Service},
    {64, true, TopBarButton::Forum},
    {64, true, TopBarButton::Recharge},
    {64, true, TopBarButton::Official},
};
}  // namespace topbar

// Where a button lies across the top bar, from the client area's right edge.
struct TopBarButtonSpan {
    int rightFromRight;
    int width;
    constexpr int LeftFromRight() const { return rightFromRight + width; }
    constexpr int CentreFromRight() const { return rightFromRight + width / 2; }
};

constexpr TopBarButtonSpan SpanOf(TopBarButton button)
{
    int right = 0;
    for (const topbar::Item& item : topbar::kItemsFromRight) {
        if (item.isButton && item.button == button)
            return {right, item.width};
        right += item.width + topbar::kSpacing;
    }
    return {};
}

// The skin's colour of the button under the pointer.
constexpr COLORREF HoverColourOf(TopBarButton button)
{
    switch (button) {
    case TopBarButton::Close:
        return RGB(0xC0, 0x39, 0x2B);
    case TopBarButton::MaximiseOrRestore:
    case TopBarButton::Minimise:
        return RGB(0x24, 0x30, 0x49);
    case TopBarButton::FullScreen:
    case TopBarButton::BossKey:
        return RGB(0x31, 0x40, 0x5F);
    case TopBarButton::Recharge:
        return RGB(0xFF, 0xD9, 0x8A);
    default:
        return RGB(0xF4, 0xC4, 0x6A);
    }
}

// The button's centre in the game window's client coordinates.
POINT TopBarButtonCentre(HWND game, TopBarButton button);
// A point of the button inside its top left corner, clear of its text, where
// its colour shows; in the game window's client coordinates.
POINT TopBarButtonColourSpot(HWND game, TopBarButton button);
// Clicks the button's centre.
void ClickTopBarButton(HWND game, TopBarButton button);

SIZE ClientSize(HWND window);
// The engine's browser window in the game window's client coordinates;
// empty when there is none.
RECT BrowserRectInClient(HWND game);
// The browser window sits at (2, 32) of the client, client width - 3 wide and
// client height - 34 high.
bool BrowserFillsBelowTopBar(HWND game);
// Where the game window's browser belongs in windowed mode, in screen
// coordinates: the same margins around the client area.
RECT WindowedBrowserRect(HWND game);
// How many pixels of the top bar's last row, across the client width on the
// screen, are not the top bar's line; -1 when the screen cannot be read.
int TopBarLineGaps(HWND game);

// The game page's place in the game window as the screen shows it now.
struct GamePageArea {
    // The demo game page's own text is drawn at its top left: the game
    // window's skin fills the page's place with the page's own background
    // until the page paints, so that colour alone does not tell.
    bool painted = false;
    // White shows where the page goes: the engine's picture of a page that
    // has not drawn yet.
    bool white = false;
    // The class of the window at the first white spot, and whether it is the game window.
    std::string whiteWindow;
};
GamePageArea LookAtGamePage(HWND game);

// Watches the browser window for the period and counts how often its screen
// rectangle changed: a layout at rest changes nothing.
int BrowserMovesWithin(HWND game, DWORD periodMs);

}  // namespace launchertest
