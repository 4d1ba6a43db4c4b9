// The game window seen from outside: where its top-bar buttons are, where its
// browser sits, what its top bar shows on the screen, and whether its layout
// has come to rest.
#pragma once

#include <windows.h>

namespace launchertest {

// The game window's skin: a top bar 32 pixels high, with the window buttons
// at its right end and a gold line as its last row.
inline constexpr int kGameTopBarHeight = 32;
inline constexpr COLORREF kGameTopBarLineColour = RGB(107, 85, 38);

enum class TopBarButton {
    Close,
    // "maxbtn" and "restorebtn" share a place: one of them is shown.
    MaximiseOrRestore,
    Minimise,
};

// The button's centre in the game window's client coordinates.
POINT TopBarButtonCentre(HWND game, TopBarButton button);
void ClickTopBarButton(HWND game, TopBarButton button);

SIZE ClientSize(HWND window);
// The engine's browser window in the game window's client coordinates;
// empty when there is none.
RECT BrowserRectInClient(HWND game);
// The browser window sits at (2, 32) of the client, client width - 3 wide and
// client height - 34 high.
bool BrowserFillsBelowTopBar(HWND game);
// How many pixels of the top bar's last row, across the client width on the
// screen, are not the top bar's line; -1 when the screen cannot be read.
int TopBarLineGaps(HWND game);

// Watches the browser window for the period and counts how often its screen
// rectangle changed: a layout at rest changes nothing.
int BrowserMovesWithin(HWND game, DWORD periodMs);

}  // namespace launchertest
