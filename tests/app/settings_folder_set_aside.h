// The launcher's settings folder in the Wine prefix's roaming folder, moved
// aside for a test and put back after it, so that a test starts without one
// and leaves the prefix as it found it.
#pragma once

#include <string>

// %APPDATA% of this process (the prefix's roaming folder, no trailing
// backslash), or empty when it is not set.
std::wstring RoamingFolderFromEnvironment();

// The launcher's settings folder under it, without a trailing backslash, and
// the settings file in it.
std::wstring LauncherSettingsFolder();
std::wstring LauncherSettingsFile();

// Writes the settings file with the two hot-key codes (section "Config"),
// making the folder when it is missing; false when it cannot.
bool WriteHotKeyCodes(unsigned fullScreenCode, unsigned bossCode);

class SettingsFolderSetAside {
public:
    // Moves the folder aside when it is there.
    explicit SettingsFolderSetAside(const std::wstring& folder);
    // Removes whatever the test left there and puts the original back.
    ~SettingsFolderSetAside();
    SettingsFolderSetAside(const SettingsFolderSetAside&) = delete;
    SettingsFolderSetAside& operator=(const SettingsFolderSetAside&) = delete;

private:
    std::wstring m_folder;
    std::wstring m_aside;
    bool m_movedAside = false;
};
