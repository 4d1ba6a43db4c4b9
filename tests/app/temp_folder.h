// A fresh folder under the temporary folder for one test, removed with
// everything in it when the test ends; and the file operations tests need.
#pragma once

#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, ending in a backslash.
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
};

// Writes the bytes as the whole file; false when it cannot.
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);
// The file's bytes, or an empty string when it cannot be read.
std::string ReadWholeFile(const std::wstring& path);
bool IsFolder(const std::wstring& path);
bool IsFile(const std::wstring& path);
// The names in the folder, without "." and "..", sorted.
std::vector<std::wstring> FolderEntries(const std::wstring& folder);
// Removes the folder with everything in it; true when it is gone.
bool RemoveFolderTree(const std::wstring& folder);
