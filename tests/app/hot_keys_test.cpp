// The two system-wide hot keys as the settings file configures them, end to
// end: Zarnith.exe under Wine reads "Ostrel.ini" in the prefix's roaming
// folder each time a game window opens. What it registers is seen as this
// program's own registration of a combination being refused, and what fires
// is seen with real key presses. The boss key is held while a game window
// exists, the full-screen key only while it is in full screen.
#include "game_window_controls.h"
#include "launcher_session.h"
#include "rect_printing.h"
#include "settings_folder_set_aside.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using launchertest::LauncherSession;

// A value of the settings file, and the combination it stands for: the keys
// to press, last the one that fires; no keys when it stands for none.
struct HotKeyValue {
    unsigned code;
    UINT modifiers;
    std::vector<WORD> keys;
};

const HotKeyValue kEscape = {27, 0, {VK_ESCAPE}};
const HotKeyValue kF9 = {120, 0, {VK_F9}};
const HotKeyValue kF12 = {123, 0, {VK_F12}};
const HotKeyValue kCtrlShiftF = {70, MOD_CONTROL | MOD_SHIFT, {VK_CONTROL, VK_SHIFT, 'F'}};
const HotKeyValue kAltF = {4678, MOD_ALT, {VK_MENU, 'F'}};
const HotKeyValue kShiftF = {1048646, MOD_SHIFT, {VK_SHIFT, 'F'}};
const HotKeyValue kCtrlF = {285212742, MOD_CONTROL, {VK_CONTROL, 'F'}};
const HotKeyValue kCtrlShiftAltF = {286265926, MOD_CONTROL | MOD_SHIFT | MOD_ALT, {VK_CONTROL, VK_SHIFT, VK_MENU, 'F'}};
// Escape is no boss key.
const HotKeyValue kNoBossKey = {27, 0, {}};

// Every key the values above use, looked at after each change.
const std::vector<UINT> kKeysLookedAt = {VK_ESCAPE, VK_F9, VK_F12, 'F', VK_SPACE, 0x5B};
// The settings file's codes that stand for no hot key: space and the code after 'Z'.
constexpr unsigned kSpaceCode = 0x20;
constexpr unsigned kAfterZCode = 0x5B;

// Which modifier sets of each key are held.
using HeldCombinations = std::map<UINT, std::vector<UINT>>;

HeldCombinations Expected(const std::vector<HotKeyValue>& values)
{
    HeldCombinations held;
    for (UINT key : kKeysLookedAt)
        held[key] = {};
    for (const HotKeyValue& value : values) {
        if (!value.keys.empty())
            held[value.keys.back()].push_back(value.modifiers);
    }
    for (auto& entry : held)
        std::sort(entry.second.begin(), entry.second.end());
    return held;
}

HeldCombinations Held()
{
    HeldCombinations held;
    for (UINT key : kKeysLookedAt)
        held[key] = driver::TakenModifierSets(key);
    return held;
}

RECT WholeScreen()
{
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

class HotKeys : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(driver::ProcessesNamed(launchertest::kExecutableName).empty()) << "a launcher is already running";
        ASSERT_TRUE(m_session.Site().IsListening()) << "the demo site's port is taken";
        ASSERT_EQ(Held(), Expected({})) << "another program holds one of the keys";
    }

    // The first call starts the launcher; later ones log in again once the
    // closed game window has brought the login page back.
    HWND OpenGameWindow()
    {
        const bool ready = m_started ? launchertest::WaitForPageTitle(m_session.LoginBrowser(),
                                                                     launchertest::kLoginPageTitle)
                                     : m_session.Start();
        m_started = true;
        return ready ? launchertest::OpenGameWindow(m_session, L"tester") : nullptr;
    }

    bool CloseGameWindow(HWND game)
    {
        launchertest::ClickTopBarButton(game, launchertest::TopBarButton::Close);
        return driver::WaitFor([&] { return !IsWindow(game) && m_session.LoginWindowsVisible(); },
                               launchertest::kWindowTimeoutMs);
    }

    // The boss key's own key alone does nothing; the combination hides the
    // window and shows it again.
    void ExpectBossKeyWorks(HWND game, const HotKeyValue& boss)
    {
        if (boss.modifiers != 0) {
            driver::PressKey(boss.keys.back());
            EXPECT_TRUE(launchertest::GameWindowCaughtUp(game)) << "the key alone hid the window";
        }
        const COLORREF topBar = launchertest::TopBarPixel(game);
        driver::PressKeyCombination(boss.keys);
        EXPECT_TRUE(driver::WaitFor([&] { return !driver::IsVisible(game); }, launchertest::kWindowTimeoutMs))
            << "the boss key did not hide the window";
        // Under Wine the screen lets a hidden window go a little later than the
        // system; shown again before that, it may stay off the screen.
        EXPECT_TRUE(driver::WaitFor([&] { return launchertest::TopBarPixel(game) != topBar; },
                                    launchertest::kWindowTimeoutMs))
            << "the screen kept showing the hidden window";
        driver::PressKeyCombination(boss.keys);
        EXPECT_TRUE(driver::WaitFor([&] { return driver::IsVisible(game); }, launchertest::kWindowTimeoutMs))
            << "the boss key did not bring the window back";
        // Back in front, with the keyboard, and taking the pointer.
        EXPECT_TRUE(driver::WaitFor([&] { return GetForegroundWindow() == game; }, launchertest::kWindowTimeoutMs))
            << "the window came back behind another";
        ASSERT_TRUE(launchertest::GameWindowCaughtUp(game));
    }

    // The full-screen key is held only in full screen, where its own key
    // alone does nothing and the combination leaves; then it is free again.
    // Keys are pressed while the pointer rests.
    void ExpectFullScreenKeyWorks(HWND game, const HotKeyValue& fullScreen, const HotKeyValue& boss)
    {
        const RECT windowed = driver::WindowRect(game);
        launchertest::ClickTopBarButton(game, launchertest::TopBarButton::FullScreen);
        const HWND bar = launchertest::WaitForFullScreenBar(m_session.Process().id);
        if (!bar)
            launchertest::PrintInputScene("the full-screen button's click opened no bar", game);
        ASSERT_NE(bar, nullptr) << m_session.WhatShows();
        EXPECT_EQ(Held(), Expected({fullScreen, boss}));
        // The pointer on the bar's bottom row brings it into view and rests on it.
        ASSERT_TRUE(launchertest::RevealFullScreenBarAt(bar, {GetSystemMetrics(SM_CXSCREEN) / 2, 0}));
        if (fullScreen.modifiers != 0) {
            driver::PressKey(fullScreen.keys.back());
            EXPECT_TRUE(launchertest::FullScreenBarCaughtUp(bar));
            EXPECT_EQ(driver::WindowRect(game), WholeScreen());
        } else {
            ASSERT_TRUE(launchertest::FullScreenBarCaughtUp(bar));
        }
        driver::PressKeyCombination(fullScreen.keys);
        EXPECT_TRUE(driver::WaitFor([&] { return !IsWindow(bar) && driver::WindowRect(game) == windowed; },
                                    launchertest::kWindowTimeoutMs))
            << "the full-screen key did not leave full screen";
        EXPECT_EQ(Held(), Expected({boss})) << "the full-screen key is still held in windowed mode";
    }

    SettingsFolderSetAside m_settings{LauncherSettingsFolder()};
    LauncherSession m_session;
    bool m_started = false;
};

TEST_F(HotKeys, EachWorkedValueRegistersExactlyItsCombinationAndItFires)
{
    struct Case {
        HotKeyValue fullScreen;
        HotKeyValue boss;
    };
    // Each value once for each function, one game window per line.
    const Case cases[] = {
        {kEscape, kF9},         {kF9, kF12},       {kF12, kCtrlShiftF},       {kCtrlShiftF, kAltF},
        {kAltF, kShiftF},       {kShiftF, kCtrlF}, {kCtrlF, kCtrlShiftAltF}, {kCtrlShiftAltF, kNoBossKey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("FullScreenHotKey=" + std::to_string(c.fullScreen.code) +
                     " BossHotKey=" + std::to_string(c.boss.code));
        ASSERT_TRUE(WriteHotKeyCodes(c.fullScreen.code, c.boss.code));
        const HWND game = OpenGameWindow();
        ASSERT_NE(game, nullptr);
        // Windowed, only the boss key is held.
        EXPECT_EQ(Held(), Expected({c.boss}));
        if (!c.boss.keys.empty())
            ExpectBossKeyWorks(game, c.boss);
        ExpectFullScreenKeyWorks(game, c.fullScreen, c.boss);
        ASSERT_TRUE(CloseGameWindow(game));
        EXPECT_EQ(Held(), Expected({})) << "the hot keys outlived their game window";
    }
}

TEST_F(HotKeys, CodesOutsideTheRangesRegisterNothingAndAChangeWaitsForTheNextGameWindow)
{
    ASSERT_TRUE(WriteHotKeyCodes(kSpaceCode, kAfterZCode));
    HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(Held(), Expected({})) << "no hot key, and no default in its place";

    // Read when the game window opened: a change now waits for the next one.
    ASSERT_TRUE(WriteHotKeyCodes(kF12.code, kF9.code));
    EXPECT_EQ(Held(), Expected({}));
    ASSERT_TRUE(CloseGameWindow(game));
    game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(Held(), Expected({kF9}));
    ExpectFullScreenKeyWorks(game, kF12, kF9);
}

TEST_F(HotKeys, TheSettingsFolderIsMadeOnceAtTheFirstGameWindowAndNothingIsWrittenInIt)
{
    const std::wstring folder = LauncherSettingsFolder();
    ASSERT_FALSE(IsFolder(folder));
    ASSERT_TRUE(m_session.Start());
    EXPECT_FALSE(IsFolder(folder)) << "made before any game window";
    m_started = true;

    // No settings file: Escape leaves full screen and F9 is the boss key.
    HWND game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    EXPECT_TRUE(IsFolder(folder));
    EXPECT_TRUE(FolderEntries(folder).empty());
    EXPECT_EQ(Held(), Expected({kF9}));

    // The file is read, and left as it was.
    ASSERT_TRUE(WriteHotKeyCodes(kF12.code, kCtrlShiftF.code));
    const std::string contents = ReadWholeFile(LauncherSettingsFile());
    WIN32_FILE_ATTRIBUTE_DATA written = {};
    ASSERT_TRUE(GetFileAttributesExW(LauncherSettingsFile().c_str(), GetFileExInfoStandard, &written));
    ASSERT_TRUE(CloseGameWindow(game));
    game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(Held(), Expected({kCtrlShiftF}));
    WIN32_FILE_ATTRIBUTE_DATA after = {};
    ASSERT_TRUE(GetFileAttributesExW(LauncherSettingsFile().c_str(), GetFileExInfoStandard, &after));
    EXPECT_EQ(CompareFileTime(&after.ftLastWriteTime, &written.ftLastWriteTime), 0);
    EXPECT_EQ(ReadWholeFile(LauncherSettingsFile()), contents);
    EXPECT_EQ(FolderEntries(folder), std::vector<std::wstring>{L"Ostrel.ini"});

    // Gone while the launcher runs: the next game window does not make it
    // again, and finds the defaults.
    ASSERT_TRUE(RemoveFolderTree(folder));
    ASSERT_TRUE(CloseGameWindow(game));
    game = OpenGameWindow();
    ASSERT_NE(game, nullptr);
    EXPECT_FALSE(IsFolder(folder));
    EXPECT_EQ(Held(), Expected({kF9}));
}

}  // namespace
