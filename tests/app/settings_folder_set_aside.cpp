#include "settings_folder_set_aside.h"

#include "temp_folder.h"

#include <windows.h>

std::wstring RoamingFolderFromEnvironment()
{
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder) : std::wstring();
}

std::wstring LauncherSettingsFolder()
{
    return RoamingFolderFromEnvironment() + L"\\weiduan";
}

std::wstring LauncherSettingsFile()
{
    return LauncherSettingsFolder() + L"\\Ostrel.ini";
}

bool WriteHotKeyCodes(unsigned fullScreenCode, unsigned bossCode)
{
    const std::wstring folder = LauncherSettingsFolder();
    if (!IsFolder(folder) && !CreateDirectoryW(folder.c_str(), nullptr))
        return false;
    return WriteWholeFile(LauncherSettingsFile(), "[Config]\r\nFullScreenHotKey=" + std::to_string(fullScreenCode) +
                                                      "\r\nBossHotKey=" + std::to_string(bossCode) + "\r\n");
}

SettingsFolderSetAside::SettingsFolderSetAside(const std::wstring& folder)
    : m_folder(folder), m_aside(folder + L".test-" + std::to_wstring(GetCurrentProcessId()))
{
    m_movedAside = IsFolder(m_folder) && MoveFileW(m_folder.c_str(), m_aside.c_str());
}

SettingsFolderSetAside::~SettingsFolderSetAside()
{
    RemoveFolderTree(m_folder);
    if (m_movedAside)
        MoveFileW(m_aside.c_str(), m_folder.c_str());
}
