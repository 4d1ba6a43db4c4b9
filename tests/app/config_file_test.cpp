// Reading integers from settings files on disk, as Wine's profile reader does.
#include "settings/settings.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr INT kDefault = 120;

// Settings files in a temporary folder. Each file gets a name of its own:
// Wine keeps files it has read and notices a change only by the time of the
// last write, which a quick rewrite may leave the same.
class ConfigFile : public testing::Test {
protected:
    std::wstring Write(const wchar_t* name, const std::string& contents)
    {
        const std::wstring path = m_temp.Path() + name;
        EXPECT_TRUE(WriteWholeFile(path, contents));
        return path;
    }

    UINT Read(const std::wstring& path, const wchar_t* key, INT defaultValue = kDefault)
    {
        return ReadConfigInt(L"Config", key, defaultValue, path);
    }

    TempFolder m_temp;
};

TEST_F(ConfigFile, PlainDecimalValues)
{
    const std::wstring file = Write(L"Ostrel.ini", "[Config]\r\nFullScreenHotKey=27\r\nBossHotKey=4678\r\n");
    EXPECT_EQ(Read(file, L"FullScreenHotKey"), 27u);
    EXPECT_EQ(Read(file, L"BossHotKey"), 4678u);
    // Section and key names match whatever their case.
    EXPECT_EQ(ReadConfigInt(L"CONFIG", L"bosshotkey", kDefault, file), 4678u);
}

TEST_F(ConfigFile, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(Read(m_temp.Path() + L"absent.ini", L"BossHotKey"), 120u);
    EXPECT_EQ(Read(m_temp.Path() + L"absent\\Ostrel.ini", L"BossHotKey"), 120u);
    EXPECT_TRUE(FolderEntries(m_temp.Path()).empty()) << "reading a missing file created something";

    const std::wstring file = Write(L"Ostrel.ini", "[Other]\r\nBossHotKey=70\r\n[Config]\r\nFullScreenHotKey=65\r\n");
    EXPECT_EQ(Read(file, L"FullScreenHotKey"), 65u) << "the file is read at all";
    EXPECT_EQ(Read(file, L"BossHotKey"), 120u) << "a key of another section";
    EXPECT_EQ(Read(file, L"BossHotKey", 27), 27u);
    EXPECT_EQ(ReadConfigInt(L"Missing", L"FullScreenHotKey", 27, file), 27u);
}

// What Wine 8.0's GetPrivateProfileIntW yields for values that are not plain
// decimal numbers (measured here; Windows may read some of them differently):
//   an empty value, or a line without "=": the default
//   "0x46", "0x1f", "0b101", "0o17": hexadecimal, binary, octal (70, 31, 5, 15)
//   "0X46": 0 (only a lower-case prefix counts)
//   "070": decimal, 70 (a leading zero is not octal)
//   "-186": 0xFFFFFF46, the 32-bit two's complement
//   "4294967366", "99999999999": taken modulo 2^32 (70, 1215752191)
//   "70abc", "7.9", "7 0", "70 ; boss": the leading digits (70, 7, 7, 70)
//   "abc70", "-", "- 5": 0
//   "\"70\"": 70 (the quotes are dropped)
//   more than 29 characters: only the first 29 count
TEST_F(ConfigFile, OddValuesAsWineReadsThem)
{
    const std::wstring file = Write(L"Ostrel.ini",
        "[Config]\r\n"
        "empty=\r\n"
        "bare\r\n"
        "hex=0x46\r\n"
        "hexLetters=0x1f\r\n"
        "hexUpperPrefix=0X46\r\n"
        "binary=0b101\r\n"
        "octal=0o17\r\n"
        "leadingZero=070\r\n"
        "negative=-186\r\n"
        "negativeOne=-1\r\n"
        "above32Bits=4294967366\r\n"
        "farAbove32Bits=99999999999\r\n"
        "strayAfter=70abc\r\n"
        "fraction=7.9\r\n"
        "innerSpace=7 0\r\n"
        "comment=70 ; boss\r\n"
        "strayBefore=abc70\r\n"
        "signOnly=-\r\n"
        "spacedSign=- 5\r\n"
        "quoted=\"70\"\r\n"
        "padded=   70   \r\n"
        "digits30=000000000000000000000000000070\r\n"
        "digits31=0000000000000000000000000000070\r\n");
    const struct {
        const wchar_t* key;
        UINT value;
    } expected[] = {
        {L"empty", 120},
        {L"bare", 120},
        {L"hex", 70},
        {L"hexLetters", 31},
        {L"hexUpperPrefix", 0},
        {L"binary", 5},
        {L"octal", 15},
        {L"leadingZero", 70},
        {L"negative", 0xFFFFFF46},
        {L"negativeOne", 0xFFFFFFFF},
        {L"above32Bits", 70},
        {L"farAbove32Bits", 1215752191},
        {L"strayAfter", 70},
        {L"fraction", 7},
        {L"innerSpace", 7},
        {L"comment", 70},
        {L"strayBefore", 0},
        {L"signOnly", 0},
        {L"spacedSign", 0},
        {L"quoted", 70},
        {L"padded", 70},
        {L"digits30", 7},
        {L"digits31", 0},
    };
    for (const auto& value : expected)
        EXPECT_EQ(Read(file, value.key), value.value) << ::testing::PrintToString(std::wstring(value.key));
}

TEST_F(ConfigFile, FilesThatAreNotSettingsFilesGiveTheDefault)
{
    std::string binary;
    for (int i = 0; i < 256; ++i)
        binary += static_cast<char>(i * 37 + 11);
    EXPECT_EQ(Read(Write(L"binary.ini", binary), L"BossHotKey"), 120u);

    EXPECT_EQ(Read(Write(L"text.ini", "BossHotKey=70\r\njust some text\r\n"), L"BossHotKey"), 120u) << "no section";
    EXPECT_EQ(Read(Write(L"empty.ini", ""), L"BossHotKey"), 120u) << "empty file";
    EXPECT_EQ(Read(m_temp.Path(), L"BossHotKey"), 120u) << "a folder";
}

TEST_F(ConfigFile, ReadingWritesNothing)
{
    const std::string contents = "[Config]\r\nBossHotKey=70\r\n";
    const std::wstring file = Write(L"Ostrel.ini", contents);
    EXPECT_EQ(Read(file, L"BossHotKey"), 70u);
    EXPECT_EQ(Read(file, L"FullScreenHotKey"), 120u);
    EXPECT_EQ(ReadConfigInt(L"Missing", L"BossHotKey", kDefault, file), 120u);

    EXPECT_EQ(ReadWholeFile(file), contents);
    EXPECT_EQ(FolderEntries(m_temp.Path()), std::vector<std::wstring>{L"Ostrel.ini"});
}

}  // namespace
