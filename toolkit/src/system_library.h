// Loading a DLL of the system from the system folder, never from the
// program's folder or the search path.
#pragma once

#include <windows.h>

using LoadLibraryExFunction = HMODULE(WINAPI*)(const wchar_t* name, HANDLE reserved, DWORD flags);

// Loads the DLL with the system-folder-only search flag. Windows versions
// without that flag (before KB2533623) reject it as an invalid parameter;
// then the DLL is loaded by its full path in the system folder. load is the
// loader to use (LoadLibraryExW outside tests).
HMODULE LoadFromSystemFolder(const wchar_t* dllName, LoadLibraryExFunction load = &LoadLibraryExW);
