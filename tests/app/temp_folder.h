// A new, empty folder under the user's temporary folder for one test, removed
// with everything in it when the object goes; and the file operations tests
// need.
#pragma once

#include <string>
#include <vector>

class TempFolder {
public:
    // The folder's name begins with namePrefix; the process and a count keep
    // it apart from other programs' folders and from earlier runs' leftovers.
    explicit TempFolder(const std::wstring& namePrefix = L"zarnith-test");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Whether the folder could be made.
    bool Made() const { return m_made; }
    // The folder's path, ending in a backslash.
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
    bool m_made = false;
};

// Writes the bytes as the whole file; false when it cannot.
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);
// The file's bytes, or an empty string when it cannot be read; a file another
// program is writing, such as a log, can be read too.
std::string ReadWholeFile(const std::wstring& path);
bool IsFolder(const std::wstring& path);
bool IsFile(const std::wstring& path);
// The names in the folder, without "." and "..", sorted.
std::vector<std::wstring> FolderEntries(const std::wstring& folder);
// Removes the folder with everything in it; true when it is gone.
bool RemoveFolderTree(const std::wstring& folder);
