#include "system_library.h"

#include <string>

HMODULE LoadFromSystemFolder(const wchar_t* dllName, LoadLibraryExFunction load)
{
    HMODULE library = load(dllName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (library || GetLastError() != ERROR_INVALID_PARAMETER)
        return library;
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::wstring path = std::wstring(folder) + L"\\" + dllName;
    return load(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
