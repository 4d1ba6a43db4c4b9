// The two hot keys as the game window gets them from a settings file.
#include "settings/hot_key_settings.h"
#include "hot_key_printing.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

constexpr UINT kControlShift = 6;  // MOD_CONTROL | MOD_SHIFT

class ConfiguredHotKeysTest : public testing::Test {
protected:
    // A file of its own name for each read (Wine keeps files it has read).
    ConfiguredHotKeys ReadFrom(const std::string& contents)
    {
        const std::wstring path = m_temp.Path() + L"settings" + std::to_wstring(++m_files) + L".ini";
        EXPECT_TRUE(WriteWholeFile(path, contents));
        return ReadConfiguredHotKeys(path);
    }

    TempFolder m_temp;
    int m_files = 0;
};

TEST_F(ConfiguredHotKeysTest, WithoutAFileEscapeAndF9)
{
    const ConfiguredHotKeys hotKeys = ReadConfiguredHotKeys(m_temp.Path() + L"Ostrel.ini");
    EXPECT_EQ(hotKeys.fullScreen, HotKey({0x1B, 0}));
    EXPECT_EQ(hotKeys.boss, HotKey({0x78, 0}));
}

TEST_F(ConfiguredHotKeysTest, EachKeyReadsItsOwnValue)
{
    const ConfiguredHotKeys hotKeys = ReadFrom("[Config]\r\nFullScreenHotKey=65\r\nBossHotKey=4678\r\n");
    EXPECT_EQ(hotKeys.fullScreen, HotKey({0x41, kControlShift}));
    EXPECT_EQ(hotKeys.boss, HotKey({0x46, MOD_ALT}));

    const ConfiguredHotKeys onlyBoss = ReadFrom("[Config]\r\nBossHotKey=123\r\n");
    EXPECT_EQ(onlyBoss.fullScreen, HotKey({0x1B, 0})) << "the default stays";
    EXPECT_EQ(onlyBoss.boss, HotKey({0x7B, 0}));
}

TEST_F(ConfiguredHotKeysTest, EscapeServesOnlyTheFullScreenKey)
{
    const ConfiguredHotKeys bothEscape = ReadFrom("[Config]\r\nFullScreenHotKey=27\r\nBossHotKey=27\r\n");
    EXPECT_EQ(bothEscape.fullScreen, HotKey({0x1B, 0}));
    EXPECT_EQ(bothEscape.boss, std::nullopt);
}

TEST_F(ConfiguredHotKeysTest, CodesOfNoHotKeyLeaveThatKeyOut)
{
    const ConfiguredHotKeys hotKeys = ReadFrom("[Config]\r\nFullScreenHotKey=32\r\nBossHotKey=91\r\n");
    EXPECT_EQ(hotKeys.fullScreen, std::nullopt);
    EXPECT_EQ(hotKeys.boss, std::nullopt);
}

TEST_F(ConfiguredHotKeysTest, ModifierBitsOfFunctionKeysAndNegativeValues)
{
    // 285212784 is 0x11000070; -186 reads as 0xFFFFFF46, every modifier bit set.
    const ConfiguredHotKeys hotKeys = ReadFrom("[Config]\r\nFullScreenHotKey=285212784\r\nBossHotKey=-186\r\n");
    EXPECT_EQ(hotKeys.fullScreen, HotKey({0x70, 0}));
    EXPECT_EQ(hotKeys.boss, HotKey({0x46, MOD_CONTROL | MOD_SHIFT | MOD_ALT}));
}

}  // namespace
