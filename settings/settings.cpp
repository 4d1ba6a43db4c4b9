#include "settings/settings.h"

#include "settings/directory_tree.h"

#include <shlobj.h>

namespace {

constexpr wchar_t kSettingsFolderName[] = L"weiduan";
constexpr wchar_t kSettingsFileName[] = L"Ostrel.ini";

// Empty until the first GetConfigDir call, fixed afterwards. A function's
// static, so that even a concurrent first use constructs it once.
std::wstring& StoredConfigDir()
{
    static std::wstring configDir;
    return configDir;
}

std::wstring RoamingFolder()
{
    wchar_t folder[MAX_PATH] = {};
    // Not created here: the settings folder's own creation makes every missing level.
    SHGetSpecialFolderPathW(nullptr, folder, CSIDL_APPDATA, FALSE);
    return folder;
}

}  // namespace

std::wstring SettingsFolderIn(const std::wstring& roamingFolder)
{
    std::wstring folder = roamingFolder;
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    return folder + kSettingsFolderName + L'\\';
}

std::wstring GetConfigDir()
{
    std::wstring& configDir = StoredConfigDir();
    if (configDir.empty()) {
        configDir = SettingsFolderIn(RoamingFolder());
        CreateDirectoryTree(configDir.c_str());
    }
    return configDir;
}

UINT ReadConfigInt(const wchar_t* section, const wchar_t* key, INT defaultValue, const std::wstring& filePath)
{
    const std::wstring file = filePath.empty() ? GetConfigDir() + kSettingsFileName : filePath;
    return GetPrivateProfileIntW(section, key, defaultValue, file.c_str());
}
