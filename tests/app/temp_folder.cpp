#include "temp_folder.h"

#include <windows.h>

#include <algorithm>
#include <atomic>

namespace {

std::wstring WithoutTrailingBackslash(std::wstring path)
{
    while (!path.empty() && path.back() == L'\\')
        path.pop_back();
    return path;
}

}  // namespace

TempFolder::TempFolder(const std::wstring& namePrefix)
{
    // Counted across the folders of one program; a name already taken (a
    // leftover of an earlier process with the same id) is passed over.
    static std::atomic<unsigned> s_count{0};
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring stem = std::wstring(temp) + namePrefix + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    do {
        m_path = stem + std::to_wstring(++s_count) + L"\\";
        m_made = CreateDirectoryW(m_path.c_str(), nullptr) != FALSE;
    } while (!m_made && GetLastError() == ERROR_ALREADY_EXISTS);
}

TempFolder::~TempFolder()
{
    if (m_made)
        RemoveFolderTree(m_path);
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes)
{
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

std::string ReadWholeFile(const std::wstring& path)
{
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::wstring> FolderEntries(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((WithoutTrailingBackslash(folder) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

bool RemoveFolderTree(const std::wstring& folder)
{
    const std::wstring base = WithoutTrailingBackslash(folder);
    for (const std::wstring& name : FolderEntries(base)) {
        const std::wstring path = base + L"\\" + name;
        if (IsFolder(path))
            RemoveFolderTree(path);
        else
            DeleteFileW(path.c_str());
    }
    RemoveDirectoryW(base.c_str());
    return GetFileAttributesW(base.c_str()) == INVALID_FILE_ATTRIBUTES;
}
