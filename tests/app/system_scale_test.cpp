// The launcher at the system's scale: Zarnith.exe under Wine on a 2560 x 1600
// screen of its own whose session has LogPixels 144, 150 %, or the
// ZARNITH_EXPECTED_DPI it is given (see tests/app/CMakeLists.txt). Its windows are laid out at that scale, the
// login browser window sits in the login window's frame, and the engine's
// pages fill the browsers at the scale. With ZARNITH_SCALE_SCREENSHOTS set to
// a folder, pictures of the three windows are saved there (to look at the
// launcher at other scales, running this program on such screens by hand).
#include "game_window_controls.h"
#include "launcher_session.h"
#include "rect_printing.h"

#include "toolkit/dpi.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

using launchertest::LauncherSession;

constexpr UINT kDefaultExpectedDpi = 144;
// The login browser window's place from the login window's outer corner, and
// its browser's size, in skin units.
constexpr POINT kLoginBrowserOffset = {483, 217};
constexpr SIZE kLoginBrowserSize = {627, 406};
constexpr SIZE kFullScreenBarSize = {210, 34};
// The browser's margins in the windowed game window: left, top bar, right, bottom.
constexpr RECT kGameBrowserMargins = {2, launchertest::kGameTopBarHeight, 1, 2};
// A page that shows its viewport in its title, as CSS pixels and the ratio of
// device pixels to them.
constexpr char kViewportPage[] =
    "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>-</title></head>"
    "<body style=\"margin:0;background:#2a6\"><script>"
    "function show() { document.title = 'viewport ' + window.innerWidth + ' ' + window.innerHeight + ' ' +"
    " window.devicePixelRatio; }"
    "show(); window.addEventListener('resize', show);"
    "</script></body></html>";
constexpr char kViewportAccount[] = "viewport";
constexpr wchar_t kViewportAccountWide[] = L"viewport";

UINT SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

SIZE SizeOf(const RECT& rc)
{
    return {rc.right - rc.left, rc.bottom - rc.top};
}

}  // namespace

inline bool operator==(const SIZE& a, const SIZE& b)
{
    return a.cx == b.cx && a.cy == b.cy;
}

inline void PrintTo(const SIZE& size, std::ostream* out)
{
    *out << size.cx << " x " << size.cy;
}

namespace {

struct Viewport {
    int width;
    int height;
    double ratio;
};

// The viewport the page's title reports, once it reports one whose device
// pixels cover the browser window: false when none does in time.
bool WaitForViewportFilling(HWND host, Viewport& seen)
{
    return driver::WaitFor(
        [&] {
            const HWND browser = launchertest::BrowserWindowIn(host);
            if (!browser)
                return false;
            const std::wstring title = driver::WindowText(browser);
            if (std::swscanf(title.c_str(), L"viewport %d %d %lf", &seen.width, &seen.height, &seen.ratio) != 3)
                return false;
            const SIZE device = SizeOf(driver::WindowRect(browser));
            // The engine rounds CSS pixels to whole numbers.
            return std::abs(seen.width * seen.ratio - device.cx) < seen.ratio + 1 &&
                   std::abs(seen.height * seen.ratio - device.cy) < seen.ratio + 1;
        },
        launchertest::kPageTimeoutMs);
}

// The viewport page's background.
constexpr COLORREF kViewportPageColour = RGB(0x22, 0xAA, 0x66);

// Whether the screen shows the colour just inside each corner of the window.
bool CornersShow(HWND window, COLORREF colour)
{
    const RECT rc = driver::WindowRect(window);
    constexpr LONG kInside = 3;
    for (const POINT corner : {POINT{rc.left + kInside, rc.top + kInside}, POINT{rc.right - kInside, rc.top + kInside},
                               POINT{rc.left + kInside, rc.bottom - kInside},
                               POINT{rc.right - kInside, rc.bottom - kInside}}) {
        if (driver::PixelAt(corner) != colour)
            return false;
    }
    return true;
}

void SaveScreenshot(const char* name)
{
    const char* folder = std::getenv("ZARNITH_SCALE_SCREENSHOTS");
    if (!folder || !*folder)
        return;
    const std::string path = std::string(folder) + "\\" + name + "-" + std::to_string(SystemDpi()) + ".png";
    EXPECT_TRUE(driver::SaveScreenshot(std::wstring(path.begin(), path.end()))) << path;
}

UINT ExpectedDpi()
{
    const char* given = std::getenv("ZARNITH_EXPECTED_DPI");
    return given && *given ? static_cast<UINT>(std::strtoul(given, nullptr, 10)) : kDefaultExpectedDpi;
}

class SystemScale : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(launchertest::DeclareAwareOfTheScale());
        m_dpi = SystemDpi();
        if (!std::getenv("ZARNITH_SCALE_SCREENSHOTS")) {
            ASSERT_EQ(m_dpi, ExpectedDpi()) << "the program runs in a session of LogPixels " << ExpectedDpi();
        }
        ASSERT_TRUE(driver::ProcessesNamed(launchertest::kExecutableName).empty()) << "a launcher is already running";
        ASSERT_TRUE(m_session.Site().IsListening()) << "the demo site's port is taken";
    }

    int Scale(int units) const { return ScaleToDpi(units, m_dpi); }
    SIZE Scale(SIZE units) const { return ScaleToDpi(units, m_dpi); }

    UINT m_dpi = 0;
    LauncherSession m_session;
};

TEST_F(SystemScale, TheLoginBrowserWindowSitsInTheScaledFrameAndItsPageFillsIt)
{
    m_session.Site().Page(launchertest::kLoginPagePath, kViewportPage);
    ASSERT_TRUE(m_session.Start(false));
    const RECT login = driver::WindowRect(m_session.Login());
    EXPECT_EQ(SizeOf(login), Scale(launchertest::kLoginWindowSize));
    const RECT expected = {login.left + Scale(kLoginBrowserOffset.x), login.top + Scale(kLoginBrowserOffset.y),
                           login.left + Scale(kLoginBrowserOffset.x) + Scale(kLoginBrowserSize.cx),
                           login.top + Scale(kLoginBrowserOffset.y) + Scale(kLoginBrowserSize.cy)};
    EXPECT_TRUE(driver::WaitFor([&] { return driver::WindowRect(m_session.LoginBrowser()) == expected; },
                                launchertest::kWindowTimeoutMs))
        << "login " << ::testing::PrintToString(login) << ", login browser window "
        << ::testing::PrintToString(driver::WindowRect(m_session.LoginBrowser()));

    Viewport viewport = {};
    ASSERT_TRUE(WaitForViewportFilling(m_session.LoginBrowser(), viewport))
        << m_session.WhatShows() << "; browser window "
        << ::testing::PrintToString(driver::WindowRect(launchertest::BrowserWindowIn(m_session.LoginBrowser())));
    const HWND browser = launchertest::BrowserWindowIn(m_session.LoginBrowser());
    EXPECT_EQ(driver::WindowRect(browser), expected);
    EXPECT_TRUE(driver::WaitFor([&] { return CornersShow(browser, kViewportPageColour); }, launchertest::kPageTimeoutMs))
        << "the page is painted over the whole browser window";
    // The engine draws the page at the system's scale, so the page
    // lays out in the 627 x 406 it was made for.
    if (m_dpi == ExpectedDpi()) {
        EXPECT_DOUBLE_EQ(viewport.ratio, m_dpi / 96.0);
        EXPECT_NEAR(viewport.width, kLoginBrowserSize.cx, 1);
        EXPECT_NEAR(viewport.height, kLoginBrowserSize.cy, 1);
    }
    EXPECT_TRUE(m_session.ClickLoginCloseButton());
    EXPECT_TRUE(m_session.EndsCleanly());
}

TEST_F(SystemScale, TheGameWindowItsPageAndTheFullScreenBarAreScaled)
{
    m_session.Site().Page(std::string("/game/play.html?client=2&server=1&account=") + kViewportAccount,
                          kViewportPage);
    ASSERT_TRUE(m_session.Start());
    // The login page's background, once the engine has painted it.
    constexpr COLORREF kLoginPageColour = RGB(0x1B, 0x1F, 0x2A);
    EXPECT_TRUE(driver::WaitFor(
        [&] { return CornersShow(launchertest::BrowserWindowIn(m_session.LoginBrowser()), kLoginPageColour); },
        launchertest::kPageTimeoutMs));
    SaveScreenshot("login");
    ASSERT_TRUE(m_session.LogInAs(kViewportAccountWide));
    const HWND game = m_session.WaitForGameWindow();
    ASSERT_NE(game, nullptr) << m_session.WhatShows();
    Viewport viewport = {};
    ASSERT_TRUE(WaitForViewportFilling(game, viewport)) << m_session.WhatShows();

    EXPECT_EQ(SizeOf(driver::WindowRect(game)), Scale(launchertest::kGameWindowSize));
    const SIZE client = launchertest::ClientSize(game);
    const RECT margins = ScaleToDpi(kGameBrowserMargins, m_dpi);
    EXPECT_EQ(launchertest::BrowserRectInClient(game),
              (RECT{margins.left, margins.top, client.cx - margins.right, client.cy - margins.bottom}));
    EXPECT_TRUE(driver::WaitFor([&] { return CornersShow(launchertest::BrowserWindowIn(game), kViewportPageColour); },
                                launchertest::kPageTimeoutMs));
    SaveScreenshot("game");

    // The full-screen button, where the scaled top bar has it.
    const launchertest::TopBarButtonSpan span = launchertest::SpanOf(launchertest::TopBarButton::FullScreen);
    driver::ClickInWindow(game, {client.cx - Scale(span.CentreFromRight()), Scale(launchertest::kTopBarMiddleY)});
    const HWND bar = launchertest::WaitForFullScreenBar(m_session.Process().id);
    ASSERT_NE(bar, nullptr) << m_session.WhatShows();
    const SIZE barSize = Scale(kFullScreenBarSize);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    EXPECT_EQ(driver::WindowRect(bar),
              (RECT{screenWidth / 2 - barSize.cx / 2, 0, screenWidth / 2 - barSize.cx / 2 + barSize.cx, barSize.cy}));
    EXPECT_TRUE(WaitForViewportFilling(game, viewport)) << "the page fills the screen";
    EXPECT_EQ(driver::WindowRect(launchertest::BrowserWindowIn(game)),
              (RECT{0, 0, screenWidth, GetSystemMetrics(SM_CYSCREEN)}));
    EXPECT_TRUE(driver::WaitFor([&] { return CornersShow(launchertest::BrowserWindowIn(game), kViewportPageColour); },
                                launchertest::kPageTimeoutMs))
        << "the page is painted over the whole screen";
    SaveScreenshot("full-screen");

    driver::PressKey(VK_ESCAPE);
    EXPECT_TRUE(driver::WaitFor([&] { return !IsWindow(bar); }, launchertest::kWindowTimeoutMs));
    EXPECT_TRUE(driver::WaitFor([&] { return SizeOf(driver::WindowRect(game)) == Scale(launchertest::kGameWindowSize); },
                                launchertest::kWindowTimeoutMs));
    driver::ClickInWindow(game, {client.cx - Scale(launchertest::SpanOf(launchertest::TopBarButton::Close)
                                                           .CentreFromRight()),
                                 Scale(launchertest::kTopBarMiddleY)});
    EXPECT_TRUE(driver::WaitFor([&] { return m_session.LoginWindowsVisible(); }, launchertest::kWindowTimeoutMs));
    EXPECT_TRUE(m_session.ClickLoginCloseButton());
    EXPECT_TRUE(m_session.EndsCleanly());
}

}  // namespace
