// The launcher's settings: the file "Ostrel.ini" in the folder "weiduan" under
// the user's roaming application-data folder. The launcher only reads it; a
// missing file, section or key yields the caller's default.
#pragma once

#include <windows.h>

#include <string>

// The settings folder inside the given roaming application-data folder, with
// exactly one backslash before its name and one at its end.
std::wstring SettingsFolderIn(const std::wstring& roamingFolder);

// The settings folder, ending in a backslash. The first call in the process
// works it out and creates the folder if it is missing (a failure is left for
// the reads to meet as a missing file); later calls return the same path and
// touch nothing on disk. Main thread only.
std::wstring GetConfigDir();

// One integer of a settings file as GetPrivateProfileIntW reads it: the
// default when the file, the section or the key is missing. An empty file
// path stands for the launcher's settings file.
UINT ReadConfigInt(const wchar_t* section, const wchar_t* key, INT defaultValue, const std::wstring& filePath);
