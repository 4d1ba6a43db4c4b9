// The registry override that site-button tests use on the Wine prefix's web
// association: whatever it finds, it leaves behind exactly.
#include "registry_value_override.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

constexpr wchar_t kTestRoot[] = L"Software\\ZarnithTests\\RegistryValueOverride";

// The key's default value as its type and text; type REG_NONE when there is none.
struct DefaultValue {
    DWORD type = REG_NONE;
    std::wstring text;
};

DefaultValue ReadDefault(const std::wstring& subKey)
{
    DefaultValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return value;
    wchar_t text[256] = {};
    DWORD bytes = sizeof text - sizeof(wchar_t);
    if (RegQueryValueExW(key, nullptr, nullptr, &value.type, reinterpret_cast<BYTE*>(text), &bytes) == ERROR_SUCCESS)
        value.text = text;
    RegCloseKey(key);
    return value;
}

void WriteDefault(const std::wstring& subKey, DWORD type, const std::wstring& text)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

bool KeyExists(const std::wstring& subKey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

class RegistryValueOverrideTest : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot); }
};

TEST_F(RegistryValueOverrideTest, PutsBackTheOldTextWithItsType)
{
    const std::wstring command = std::wstring(kTestRoot) + L"\\http\\shell\\open\\command";
    ASSERT_NO_FATAL_FAILURE(WriteDefault(command, REG_EXPAND_SZ, L"%SystemRoot%\\browser.exe \"%1\""));
    {
        RegistryValueOverride override(HKEY_CURRENT_USER, command, L"recorder.exe \"%1\"");
        ASSERT_TRUE(override.Applied());
        EXPECT_EQ(ReadDefault(command).type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(ReadDefault(command).text, L"recorder.exe \"%1\"");
    }
    EXPECT_EQ(ReadDefault(command).type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(ReadDefault(command).text, L"%SystemRoot%\\browser.exe \"%1\"");
}

TEST_F(RegistryValueOverrideTest, OverridesNestPuttingBackEachOthersText)
{
    const std::wstring command = std::wstring(kTestRoot) + L"\\command";
    ASSERT_NO_FATAL_FAILURE(WriteDefault(command, REG_SZ, L"system"));
    {
        RegistryValueOverride outer(HKEY_CURRENT_USER, command, L"recorder");
        {
            RegistryValueOverride inner(HKEY_CURRENT_USER, command, L"missing");
            EXPECT_EQ(ReadDefault(command).text, L"missing");
        }
        EXPECT_EQ(ReadDefault(command).text, L"recorder");
    }
    EXPECT_EQ(ReadDefault(command).text, L"system");
}

TEST_F(RegistryValueOverrideTest, AKeyWithoutDefaultValueKeepsNone)
{
    const std::wstring command = std::wstring(kTestRoot) + L"\\command";
    ASSERT_NO_FATAL_FAILURE(WriteDefault(command, REG_SZ, L"x"));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, command.c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegDeleteValueW(key, nullptr);
    RegCloseKey(key);
    {
        RegistryValueOverride override(HKEY_CURRENT_USER, command, L"recorder");
        EXPECT_EQ(ReadDefault(command).text, L"recorder");
    }
    EXPECT_TRUE(KeyExists(command));
    EXPECT_EQ(ReadDefault(command).type, static_cast<DWORD>(REG_NONE));
}

TEST_F(RegistryValueOverrideTest, RemovesTheKeysItHadToCreate)
{
    ASSERT_NO_FATAL_FAILURE(WriteDefault(kTestRoot, REG_SZ, L"root"));
    const std::wstring created = std::wstring(kTestRoot) + L"\\iexplore";
    const std::wstring command = created + L"\\shell\\open";
    {
        RegistryValueOverride override(HKEY_CURRENT_USER, command, L"recorder");
        ASSERT_TRUE(override.Applied());
        EXPECT_EQ(ReadDefault(command).text, L"recorder");
    }
    EXPECT_FALSE(KeyExists(created));
    EXPECT_EQ(ReadDefault(kTestRoot).text, L"root");
}

}  // namespace
