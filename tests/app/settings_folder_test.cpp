// The settings folder under the real roaming application-data folder of the
// Wine prefix. The folder is worked out once per process, so this program has
// its own process and a single test walks through its whole life.
#include "settings/hot_key_settings.h"
#include "settings/settings.h"
#include "hot_key_printing.h"
#include "settings_folder_set_aside.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

TEST(SettingsFolderIn, OneBackslashBeforeAndOneAfterTheFolderName)
{
    EXPECT_EQ(SettingsFolderIn(L"C:\\users\\me\\AppData\\Roaming"), L"C:\\users\\me\\AppData\\Roaming\\weiduan\\");
    EXPECT_EQ(SettingsFolderIn(L"C:\\users\\me\\AppData\\Roaming\\"), L"C:\\users\\me\\AppData\\Roaming\\weiduan\\");
    EXPECT_EQ(SettingsFolderIn(L"D:\\"), L"D:\\weiduan\\");
    // Only a backslash counts as the separator already there.
    EXPECT_EQ(SettingsFolderIn(L"D:\\roaming/"), L"D:\\roaming/\\weiduan\\");
    EXPECT_EQ(SettingsFolderIn(L""), L"weiduan\\");
}

TEST(GetConfigDir, CreatedOnceUnderTheRoamingFolderAndOnlyRead)
{
    const std::wstring roaming = RoamingFolderFromEnvironment();
    ASSERT_FALSE(roaming.empty());
    ASSERT_NE(roaming.back(), L'\\');
    const std::wstring expected = roaming + L"\\weiduan\\";
    const std::wstring folder = roaming + L"\\weiduan";
    const SettingsFolderSetAside setAside(folder);
    ASSERT_FALSE(IsFolder(folder));

    EXPECT_EQ(GetConfigDir(), expected);
    ASSERT_TRUE(IsFolder(folder)) << "the first call creates the folder";
    EXPECT_TRUE(FolderEntries(folder).empty());

    // No settings file: the defaults, and reading creates nothing.
    EXPECT_EQ(ReadConfigInt(L"Config", L"BossHotKey", 120, L""), 120u);
    const ConfiguredHotKeys defaults = ReadConfiguredHotKeys();
    EXPECT_EQ(defaults.fullScreen, HotKey({0x1B, 0}));
    EXPECT_EQ(defaults.boss, HotKey({0x78, 0}));
    EXPECT_TRUE(FolderEntries(folder).empty());

    // The settings file is read afresh by each later reader, and left as it was.
    const std::string contents = "[Config]\r\nFullScreenHotKey=65\r\nBossHotKey=4678\r\n";
    ASSERT_TRUE(WriteWholeFile(expected + L"Ostrel.ini", contents));
    EXPECT_EQ(ReadConfigInt(L"Config", L"BossHotKey", 120, L""), 4678u);
    const ConfiguredHotKeys configured = ReadConfiguredHotKeys();
    EXPECT_EQ(configured.fullScreen, HotKey({0x41, 6}));
    EXPECT_EQ(configured.boss, HotKey({0x46, MOD_ALT}));
    EXPECT_EQ(ReadWholeFile(expected + L"Ostrel.ini"), contents);
    EXPECT_EQ(FolderEntries(folder), std::vector<std::wstring>{L"Ostrel.ini"});

    // Later calls keep the path and do not create the folder again.
    ASSERT_TRUE(RemoveFolderTree(folder));
    EXPECT_EQ(GetConfigDir(), expected);
    EXPECT_EQ(ReadConfigInt(L"Config", L"BossHotKey", 120, L""), 120u);
    EXPECT_FALSE(IsFolder(folder));
}

}  // namespace
