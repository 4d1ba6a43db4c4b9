#include "folder_snapshot.h"

#include <windows.h>

#include <vector>

namespace {

constexpr size_t kReadChunk = 1 << 20;
// FNV-1a, 64 bits: enough to tell a changed file from its original here.
constexpr uint64_t kDigestStart = 0xcbf29ce484222325ull;
constexpr uint64_t kDigestPrime = 0x100000001b3ull;

bool ReadDigest(const std::wstring& path, uint64_t* digest)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::vector<unsigned char> chunk(kReadChunk);
    uint64_t value = kDigestStart;
    DWORD read = 0;
    while (ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr) && read > 0) {
        for (DWORD i = 0; i < read; ++i)
            value = (value ^ chunk[i]) * kDigestPrime;
    }
    CloseHandle(file);
    *digest = value;
    return true;
}

std::string Narrow(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &narrow[0], size, nullptr, nullptr);
    return narrow;
}

}  // namespace

FolderSnapshot FolderSnapshot::Take(const std::wstring& folder)
{
    FolderSnapshot snapshot;
    snapshot.AddFolder(folder, L"");
    return snapshot;
}

void FolderSnapshot::AddFolder(const std::wstring& root, const std::wstring& relativeFolder)
{
    const std::wstring prefix = relativeFolder.empty() ? L"" : relativeFolder + L"\\";
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW((root + L"\\" + prefix + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::wstring relative = prefix + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            AddFolder(root, relative);
            continue;
        }
        File file;
        file.size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        // A file that cannot be read counts as different from any that can.
        if (!ReadDigest(root + L"\\" + relative, &file.digest))
            file.digest = 0;
        m_files[relative] = file;
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

FolderSnapshot FolderSnapshot::Without(const std::wstring& relativePath) const
{
    FolderSnapshot rest = *this;
    rest.m_files.erase(relativePath);
    return rest;
}

bool FolderSnapshot::Has(const std::wstring& relativePath) const
{
    return m_files.count(relativePath) != 0;
}

std::string FolderSnapshot::DifferencesFrom(const FolderSnapshot& other) const
{
    std::string differences;
    for (const auto& [path, file] : m_files) {
        const auto there = other.m_files.find(path);
        if (there == other.m_files.end())
            differences += Narrow(path) + " (only in the first)\n";
        else if (!(there->second == file))
            differences += Narrow(path) + " (differs)\n";
    }
    for (const auto& [path, file] : other.m_files) {
        if (!m_files.count(path))
            differences += Narrow(path) + " (only in the second)\n";
    }
    return differences;
}

std::string FolderSnapshot::Paths() const
{
    std::string paths;
    for (const auto& entry : m_files)
        paths += Narrow(entry.first) + "\n";
    return paths;
}
