// The files of a folder tree with their sizes and a digest of their contents,
// to tell whether a folder is exactly what it was, or what another one is.
#pragma once

#include <cstdint>
#include <map>
#include <string>

class FolderSnapshot {
public:
    // Every file below the folder; empty when the folder does not exist.
    static FolderSnapshot Take(const std::wstring& folder);

    // The same files less one (a path relative to the folder, backslashes).
    FolderSnapshot Without(const std::wstring& relativePath) const;
    bool Has(const std::wstring& relativePath) const;
    bool IsEmpty() const { return m_files.empty(); }
    // The paths whose presence, size or contents differ, one a line; empty when
    // the two are the same.
    std::string DifferencesFrom(const FolderSnapshot& other) const;
    // Every path, one a line.
    std::string Paths() const;

    bool operator==(const FolderSnapshot& other) const { return m_files == other.m_files; }

private:
    struct File {
        uint64_t size = 0;
        uint64_t digest = 0;
        bool operator==(const File& other) const { return size == other.size && digest == other.digest; }
    };

    void AddFolder(const std::wstring& root, const std::wstring& relativeFolder);

    std::map<std::wstring, File> m_files;
};
