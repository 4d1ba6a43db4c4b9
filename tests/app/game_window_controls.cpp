#include "game_window_controls.h"

#include "driver.h"
#include "launcher_session.h"
#include "rect_printing.h"

#include <cstdio>
#include <functional>

namespace launchertest {

namespace {

// The hand-over loads the login page again, once.
constexpr size_t kHandOverLoginPageLoads = 1;

// The full-screen bar's button's hover colour, and how far left of its
// centre it shows beside the text.
constexpr COLORREF kBarButtonHoverColour = RGB(0xFF, 0xD9, 0x8A);
constexpr LONG kBarButtonEdgeFromCentre = 33;
// The top bar's caption text, away from its buttons: the pointer rests on
// the game window itself, so that moving it there makes the system report no
// pointer entering another window (Wine under X then also rereads the state
// of Shift, Control and Alt, which a key combination sent meanwhile can lose).
constexpr POINT kTopBarCaption = {60, kTopBarMiddleY};
// A point of the top bar above its caption text.
constexpr POINT kTopBarAboveCaption = {kTopBarCaption.x, 3};

// The system hands a mouse move to the window under the pointer when the move
// is sent: while the window is off the screen for a moment, the pointer is
// moved again until the hover shows. Under Wine the system's pointer was also
// seen back on the control seconds after the move off it (a window shown
// again under it): that move is made again too, until the hover has gone.
constexpr DWORD kHoverRetryMs = 250;

// Moves the pointer to point, a pixel to and fro, until the condition holds.
bool MovePointerUntil(POINT point, const std::function<bool()>& condition)
{
    const DWORD start = GetTickCount();
    for (LONG nudge = 0; GetTickCount() - start < kWindowTimeoutMs; nudge ^= 1) {
        driver::MoveMouseTo({point.x + nudge, point.y});
        if (driver::WaitFor(condition, kHoverRetryMs))
            return true;
    }
    return false;
}

// Moves the pointer onto window's control at target until the pixel at
// sample shows the hover colour, then onto rest until it no longer does;
// prints what the screen showed when either did not come.
bool HoverShowsAndGoes(HWND window, POINT target, POINT sample, COLORREF hoverColour, POINT rest)
{
    const auto hovered = [&] { return driver::PixelAt(sample) == hoverColour; };
    const auto report = [&](const char* what) {
        char line[160] = {};
        std::snprintf(line, sizeof line, "the hover colour %06lX %s at (%ld, %ld) (it shows %06lX)", hoverColour,
                      what, sample.x, sample.y, driver::PixelAt(sample));
        PrintInputScene(line, window);
    };
    const bool shown = MovePointerUntil(target, hovered);
    if (!shown)
        report("did not show");
    const bool gone = MovePointerUntil(rest, [&] { return !hovered(); });
    if (!gone)
        report("did not go");
    return shown && gone;
}

HWND Failed(const char* what)
{
    std::printf("opening the game window: %s\n", what);
    std::fflush(stdout);
    return nullptr;
}

POINT OnScreen(HWND game, POINT client)
{
    ClientToScreen(game, &client);
    return client;
}

}  // namespace

bool GameWindowCaughtUp(HWND game)
{
    return TopBarButtonAnswersPointer(game, TopBarButton::BossKey);
}

bool TopBarButtonAnswersPointer(HWND game, TopBarButton button)
{
    return HoverShowsAndGoes(game, OnScreen(game, TopBarButtonCentre(game, button)),
                             OnScreen(game, TopBarButtonColourSpot(game, button)), HoverColourOf(button),
                             OnScreen(game, kTopBarCaption));
}

COLORREF TopBarPixel(HWND game)
{
    return driver::PixelAt(OnScreen(game, kTopBarAboveCaption));
}

std::vector<HWND> FullScreenBars(DWORD processId)
{
    return driver::TopLevelWindows(kWindowClass, kFullScreenBarCaption, processId);
}

HWND WaitForFullScreenBar(DWORD processId)
{
    HWND bar = nullptr;
    driver::WaitFor(
        [&] {
            // The one bar, shown at the top edge.
            const std::vector<HWND> bars = FullScreenBars(processId);
            const bool atTheTop = bars.size() == 1 && driver::IsVisible(bars[0]) && driver::WindowRect(bars[0]).top == 0;
            bar = atTheTop ? bars[0] : nullptr;
            return bar != nullptr;
        },
        kWindowTimeoutMs);
    return bar;
}

bool RevealFullScreenBarAt(HWND bar, POINT point)
{
    // Wine may have the game window above its bar for a while after the
    // switch to full screen; a pointer that arrives then moves over the game
    // window, and the bar slides in only on a move over itself.
    const auto barAtPoint = [&] { return GetAncestor(WindowFromPoint(point), GA_ROOT) == bar; };
    const DWORD start = GetTickCount();
    if (!barAtPoint()) {
        if (!driver::WaitFor(barAtPoint, kWindowTimeoutMs)) {
            PrintInputScene("the full-screen bar is not the window at the pointer's place", bar);
            return false;
        }
        std::printf("the full-screen bar came to be the window at (%ld, %ld) after %lu ms\n", point.x, point.y,
                    GetTickCount() - start);
        std::fflush(stdout);
    }
    driver::MoveMouseTo(point);
    if (driver::WaitFor([&] { return driver::WindowRect(bar).top == kBarRevealedTop; }, kWindowTimeoutMs))
        return true;
    PrintInputScene("the full-screen bar did not come into view under the pointer", bar);
    return false;
}

bool FullScreenBarCaughtUp(HWND bar)
{
    POINT button = kBarButton;
    ClientToScreen(bar, &button);
    // On the screen's top row the pointer stays on the bar when the bar slides up.
    const POINT strip = {driver::WindowRect(bar).left + kBarCaptionX, 0};
    return HoverShowsAndGoes(bar, button, {button.x - kBarButtonEdgeFromCentre, button.y}, kBarButtonHoverColour, strip);
}

bool FullScreenRoundTrip(HWND game, DWORD processId)
{
    const RECT windowed = driver::WindowRect(game);
    ClickTopBarButton(game, TopBarButton::FullScreen);
    const HWND bar = WaitForFullScreenBar(processId);
    if (!bar)
        return false;
    driver::PressKey(VK_ESCAPE);
    return driver::WaitFor(
        [&] { return !IsWindow(bar) && driver::WindowRect(game) == windowed; }, kWindowTimeoutMs);
}

HWND OpenGameWindow(LauncherSession& session, const std::wstring& account)
{
    const size_t loginPageLoads = session.Site().CountRequests(kLoginPagePath);
    const HWND game = session.LogInToGame(account);
    if (!game)
        return nullptr;
    const bool handedOver = driver::WaitFor(
        [&] { return session.Site().CountRequests(kLoginPagePath) >= loginPageLoads + kHandOverLoginPageLoads; },
        kPageTimeoutMs);
    if (!handedOver)
        return Failed("the login page was not loaded again");
    const bool laidOut = driver::WaitFor(
        [&] {
            const HWND browser = BrowserWindowIn(game);
            return browser && driver::WindowRect(browser) == WindowedBrowserRect(game);
        },
        kWindowTimeoutMs);
    return laidOut ? game : Failed("the game page's browser was not laid out");
}

}  // namespace launchertest
