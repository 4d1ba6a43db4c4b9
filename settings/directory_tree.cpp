#include "settings/directory_tree.h"

#include <windows.h>
#include <shlwapi.h>

#include <string>

bool CreateDirectoryTree(const wchar_t* path)
{
    if (!path)
        return false;
    const std::wstring whole(path);
    for (size_t separator = whole.find(L'\\'); separator != std::wstring::npos;
         separator = whole.find(L'\\', separator + 1)) {
        const std::wstring level = whole.substr(0, separator + 1);
        if (!PathFileExistsW(level.c_str()) && !CreateDirectoryW(level.c_str(), nullptr))
            return false;
    }
    // A file of that name exists but is not the folder asked for; creating the
    // folder then fails.
    return PathIsDirectoryW(path) || CreateDirectoryW(path, nullptr);
}
