#include "soak_cycle.h"

#include "game_window_controls.h"

#include "settings/settings.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <fstream>
#include <sstream>

namespace launchertest {

namespace {

// The top bar's buttons a cycle clicks, with their names in the skin.
struct ClickedButton {
    const char* name;
    TopBarButton button;
};
constexpr ClickedButton kCloseButton = {"closebtn", TopBarButton::Close};
constexpr ClickedButton kFullScreenButton = {"fullscreenbtn", TopBarButton::FullScreen};
constexpr ClickedButton kBossKeyButton = {"bosskeybtn", TopBarButton::BossKey};
constexpr int kClicksPerButton = 2;
constexpr double kMegabyte = 1024.0 * 1024.0;
constexpr wchar_t kSettingsFileName[] = L"Ostrel.ini";
constexpr wchar_t kFailureScreenshotName[] = L"zarnith-soak-failure.png";
constexpr char kDefaultHotKeys[] = "[Config]\r\nFullScreenHotKey=27\r\nBossHotKey=120\r\n";

double NowMs()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Points at the button until it shows its colour under the pointer: the
// window is then on the screen where the system has put it, and takes input
// there. Under Wine without a window manager the screen follows a window
// shown again, or brought back from full screen, a little later; a click
// before that lands elsewhere. Returns the point to click, or nothing when
// the colour did not show.
std::optional<POINT> PointAt(HWND game, const ClickedButton& clicked)
{
    POINT centre = TopBarButtonCentre(game, clicked.button);
    POINT colourAt = TopBarButtonColourSpot(game, clicked.button);
    ClientToScreen(game, &centre);
    ClientToScreen(game, &colourAt);
    int moves = 0;
    const bool hot = driver::WaitFor(
        [&] {
            // A pointer that rests where a window appears may not be noticed: it moves a pixel to and fro.
            driver::MoveMouseTo({centre.x + (moves++ % 2), centre.y});
            return driver::PixelAt(colourAt) == HoverColourOf(clicked.button);
        },
        kWindowTimeoutMs);
    return hot ? std::optional<POINT>(centre) : std::nullopt;
}

// Clicks the button once it shows the pointer over it and waits until
// effect() holds, noting how long that took. A click that has no effect is
// made once more, as a player would, and counted: under Wine about one click
// in five hundred on the top bar has no effect although the button showed the
// pointer over it (the cause is not known).
std::string ClickUntil(HWND game, const ClickedButton& clicked, const std::function<bool()>& effect,
                       CycleResult& result)
{
    const std::string name = std::string("\"") + clicked.name + "\"";
    for (int click = 0; click < kClicksPerButton; ++click) {
        const std::optional<POINT> point = PointAt(game, clicked);
        if (!point)
            return name + " did not show the pointer over it";
        const double start = NowMs();
        driver::ClickAtPinned(*point);
        if (driver::WaitFor(effect, kWindowTimeoutMs)) {
            result.slowestClickMs = std::max(result.slowestClickMs, NowMs() - start);
            return std::string();
        }
        ++result.clicksMadeAgain;
    }
    return name + " had no effect";
}

bool CoversScreen(HWND window)
{
    const RECT rect = driver::WindowRect(window);
    return rect.left == 0 && rect.top == 0 && rect.right == GetSystemMetrics(SM_CXSCREEN) &&
           rect.bottom == GetSystemMetrics(SM_CYSCREEN);
}

bool Windowed(HWND window)
{
    const RECT rect = driver::WindowRect(window);
    return rect.right - rect.left == kGameWindowSize.cx && rect.bottom - rect.top == kGameWindowSize.cy;
}

HWND VisibleFullScreenBar(DWORD processId)
{
    return FindVisibleWindow(processId, kFullScreenBarCaption);
}

std::string ReadFile(const std::wstring& path, bool* existed)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    *existed = static_cast<bool>(file);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void WriteFile(const std::wstring& path, const std::string& content)
{
    std::ofstream(path.c_str(), std::ios::binary | std::ios::trunc) << content;
}

}  // namespace

ResourceSample SampleResources(const driver::Process& process)
{
    return {driver::PrivateBytes(process.handle), driver::GdiObjectCount(process.handle), driver::UserObjectCount(process.handle)};
}

std::string Describe(const ResourceSample& sample)
{
    char text[96];
    std::snprintf(text, sizeof text, "private %.1f MB, GDI %u, USER %u", sample.privateBytes / kMegabyte,
                  sample.gdiObjects, sample.userObjects);
    return text;
}

ResourceSample Level(const std::vector<ResourceSample>& samples, size_t first, size_t count)
{
    const auto median = [&](auto reading) {
        std::vector<decltype(reading(samples[first]))> values;
        for (size_t i = first; i < first + count; ++i)
            values.push_back(reading(samples[i]));
        std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
        return values[values.size() / 2];
    };
    ResourceSample level;
    level.privateBytes = median([](const ResourceSample& s) { return s.privateBytes; });
    level.gdiObjects = median([](const ResourceSample& s) { return s.gdiObjects; });
    level.userObjects = median([](const ResourceSample& s) { return s.userObjects; });
    return level;
}

Growth GrowthAfterWarmUp(const std::vector<ResourceSample>& samples)
{
    Growth growth;
    growth.settled = Level(samples, kSoakWarmUpCycles, kSoakSpanCycles);
    growth.last = Level(samples, samples.size() - kSoakSpanCycles, kSoakSpanCycles);
    growth.gdiObjects = static_cast<long>(growth.last.gdiObjects) - static_cast<long>(growth.settled.gdiObjects);
    growth.userObjects = static_cast<long>(growth.last.userObjects) - static_cast<long>(growth.settled.userObjects);
    growth.privateMb =
        (static_cast<double>(growth.last.privateBytes) - static_cast<double>(growth.settled.privateBytes)) / kMegabyte;
    return growth;
}

BossKeyBy BossKeyOfCycle(int cycle)
{
    return cycle % 2 ? BossKeyBy::HotKey : BossKeyBy::Button;
}

namespace {

std::string PlaySteps(LauncherSession& session, const std::wstring& account, BossKeyBy bossKey, CycleResult& result)
{
    const DWORD processId = session.Process().id;
    if (!session.LoginWindowsVisible() || !WaitForPageTitle(session.LoginBrowser(), kLoginPageTitle))
        return "the login page was not shown";

    const HWND game = session.LogInToGame(account);
    if (!game)
        return "no game window with the game page after the login";

    std::string failed = ClickUntil(
        game, kFullScreenButton, [&] { return CoversScreen(game) && VisibleFullScreenBar(processId); }, result);
    if (!failed.empty())
        return failed + " (full screen with its bar)";
    driver::PressKey(VK_ESCAPE);
    if (!driver::WaitFor([&] { return Windowed(game) && !VisibleFullScreenBar(processId); }, kWindowTimeoutMs))
        return "Escape did not end full screen";
    if (!PointAt(game, kCloseButton))
        return "after full screen, the game window's top bar did not show where the window is";

    const auto hidden = [&] { return !driver::IsVisible(game); };
    if (bossKey == BossKeyBy::Button) {
        failed = ClickUntil(game, kBossKeyButton, hidden, result);
        if (!failed.empty())
            return failed + " (the game window hidden)";
    } else {
        driver::PressKey(VK_F9);
        if (!driver::WaitFor(hidden, kWindowTimeoutMs))
            return "F9 did not hide the game window";
    }
    driver::PressKey(VK_F9);
    if (!driver::WaitFor([&] { return driver::IsVisible(game) && Windowed(game); }, kWindowTimeoutMs))
        return "F9 did not bring the game window back";

    failed = ClickUntil(game, kCloseButton, [&] { return !IsWindow(game); }, result);
    if (!failed.empty())
        return failed + " (the game window closed)";
    if (!driver::WaitFor([&] { return session.LoginWindowsVisible(); }, kWindowTimeoutMs))
        return "the login windows did not come back after the game window's close";
    if (!WaitForPageTitle(session.LoginBrowser(), kLoginPageTitle))
        return "the login page did not come back";
    return std::string();
}

}  // namespace

CycleResult PlayCycle(LauncherSession& session, const std::wstring& account, BossKeyBy bossKey)
{
    CycleResult result;
    result.failure = PlaySteps(session, account, bossKey, result);
    if (!result.failure.empty()) {
        const std::string screenshot = Utf8(driver::SaveScreenshotInTempFolder(kFailureScreenshotName));
        if (!screenshot.empty())
            result.failure += " (the screen: " + screenshot + ")";
    }
    return result;
}

DefaultHotKeysFile::DefaultHotKeysFile() : m_path(GetConfigDir() + kSettingsFileName)
{
    m_previous = ReadFile(m_path, &m_existed);
    WriteFile(m_path, kDefaultHotKeys);
}

DefaultHotKeysFile::~DefaultHotKeysFile()
{
    if (m_existed)
        WriteFile(m_path, m_previous);
    else
        DeleteFileW(m_path.c_str());
}

}  // namespace launchertest
