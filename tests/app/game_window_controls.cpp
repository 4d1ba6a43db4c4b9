#include "game_window_controls.h"

#include "driver.h"
#include "launcher_session.h"
#include "rect_printing.h"

namespace launchertest {

namespace {

constexpr char kKeyEchoPage[] =
    "<html><head><title>keys</title></head><body style=\"margin:0;background:#10141c\">"
    "<script>var codes = '';"
    "document.onkeydown = function (e) { codes += ' ' + e.keyCode; document.title = 'keys' + codes; };"
    "</script></body></html>";

// The boss key button's hover colour, and a point of the button away from
// its text, from the client area's top right corner.
constexpr COLORREF kBossKeyHoverColour = RGB(0x31, 0x40, 0x5F);
constexpr POINT kBossKeyButtonEdge = {240, 3};
// Off the top bar, inside the game page.
constexpr POINT kAwayFromTheTopBar = {400, 300};

POINT ClientPointFromRight(HWND game, POINT fromRight)
{
    const RECT client = driver::ClientRectOnScreen(game);
    return {client.right - fromRight.x, client.top + fromRight.y};
}

}  // namespace

bool GameWindowCaughtUp(HWND game)
{
    const POINT edge = ClientPointFromRight(game, kBossKeyButtonEdge);
    const auto hovered = [edge] { return driver::PixelAt(edge) == kBossKeyHoverColour; };
    driver::MoveMouseTo(ClientPointFromRight(game, {kBossKeyButtonFromRight, kTopBarButtonY}));
    const bool shown = driver::WaitFor(hovered, kWindowTimeoutMs);
    const RECT client = driver::ClientRectOnScreen(game);
    driver::MoveMouseTo({client.left + kAwayFromTheTopBar.x, client.top + kAwayFromTheTopBar.y});
    return shown && driver::WaitFor([&] { return !hovered(); }, kWindowTimeoutMs);
}

void ClickTopBarButton(HWND game, int fromRight)
{
    const RECT client = driver::ClientRectOnScreen(game);
    driver::ClickAt({client.right - fromRight, client.top + kTopBarButtonY});
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
            const std::vector<HWND> bars = FullScreenBars(processId);
            bar = bars.size() == 1 && driver::IsVisible(bars[0]) ? bars[0] : nullptr;
            return bar != nullptr;
        },
        kWindowTimeoutMs);
    return bar;
}

bool FullScreenRoundTrip(HWND game, DWORD processId)
{
    const RECT windowed = driver::WindowRect(game);
    ClickTopBarButton(game, kFullScreenButtonFromRight);
    const HWND bar = WaitForFullScreenBar(processId);
    if (!bar)
        return false;
    driver::PressKey(VK_ESCAPE);
    return driver::WaitFor(
        [&] { return !IsWindow(bar) && driver::WindowRect(game) == windowed; }, kWindowTimeoutMs);
}

void ServeKeyEchoGamePage(testsupport::HttpServer& site, const std::string& account)
{
    site.Page("/game/play.html?client=2&server=1&account=" + account, kKeyEchoPage);
}

std::wstring KeyEchoTitle(const std::vector<int>& keyCodes)
{
    std::wstring title = L"keys";
    for (int code : keyCodes)
        title += L" " + std::to_wstring(code);
    return title;
}

void FocusGamePage(HWND game, POINT client)
{
    driver::ClickInWindow(game, client);
}

}  // namespace launchertest
