// The launcher's private window messages.
#pragma once

#include <windows.h>

// Posted by the game window to the login window when the game window's close
// button is used; no parameters.
constexpr UINT WM_GAME_CLOSED = WM_USER + 1003;
// Posted by the login browser's client to the login window when the login
// page navigates to the game page; no parameters: the window takes the
// address from the client (LoginClient::TakeGameAddress).
constexpr UINT WM_OPEN_GAME = WM_USER + 1004;
// The game window's notification-area icon reports mouse events with this
// message; lParam carries the mouse message.
constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1005;
// Posted by the full-screen bar to the game window to leave full screen; no
// parameters.
constexpr UINT WM_EXIT_FULLSCREEN = WM_USER + 1006;
// Posted by a browser client to the window that holds a browser's window once
// the engine has reported the browser, so that the holder can lay it out; no
// parameters.
constexpr UINT WM_BROWSER_CREATED = WM_USER + 1007;
// Posted by the game window to itself: lays the window out once the change
// in hand (a size change, a system command) is done; no parameters.
constexpr UINT WM_GAME_RELAYOUT = WM_USER + 1008;
// Posted by a browser client to the window that holds its browser when
// addresses wait to be opened outside the launcher (the player's web browser,
// the app of a mailto: address); no parameters: the window takes them from
// the client (TakeOutsideAddresses).
constexpr UINT WM_OPEN_OUTSIDE = WM_USER + 1010;
