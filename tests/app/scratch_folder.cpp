#include "scratch_folder.h"

#include <windows.h>

ScratchFolder::ScratchFolder(const std::wstring& namePrefix)
{
    wchar_t temp[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, temp);
    // The process and the time keep the name apart from earlier runs' leftovers.
    const std::wstring path = std::wstring(temp, length) + namePrefix + L"-" + std::to_wstring(GetCurrentProcessId()) +
                              L"-" + std::to_wstring(GetTickCount());
    if (CreateDirectoryW(path.c_str(), nullptr))
        m_path = path;
}

ScratchFolder::~ScratchFolder()
{
    if (m_path.empty())
        return;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((m_path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW((m_path + L"\\" + found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(m_path.c_str());
}
