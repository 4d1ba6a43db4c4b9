// What the installer test reads from and tidies in the system: the user's
// known folders, registry values, shortcuts, resources of a program, folders.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <optional>
#include <string>

namespace systemstate {

// A folder of the current user's (FOLDERID_LocalAppData, FOLDERID_Programs, ...).
std::wstring KnownFolder(const KNOWNFOLDERID& id);

bool FolderExists(const std::wstring& path);
bool FileExists(const std::wstring& path);
// Adds the text at the end of the file, making the file when it is missing.
bool AppendToFile(const std::wstring& path, const std::string& text);
// Deletes the folder with everything in it; true when it is gone.
bool RemoveTree(const std::wstring& folder);

bool RegistryKeyExists(HKEY root, const std::wstring& key, REGSAM view = 0);
std::optional<std::wstring> RegistryText(HKEY root, const std::wstring& key, const std::wstring& value);
std::optional<DWORD> RegistryNumber(HKEY root, const std::wstring& key, const std::wstring& value);
void RemoveRegistryKey(HKEY root, const std::wstring& key);

struct Shortcut {
    std::wstring target;
    std::wstring workingDirectory;
    std::wstring iconFile;
    int iconIndex = -1;
};
// The shortcut file's contents, or nothing when it cannot be read.
std::optional<Shortcut> ReadShortcut(const std::wstring& linkPath);

// The program's manifest (resource 1), or empty.
std::string ProgramManifest(const std::wstring& exePath);
// The identifier of the program's first icon group (the one icon index 0
// stands for), or 0.
WORD FirstIconGroup(const std::wstring& exePath);

// Runs a program and waits for its end; the exit code, or nothing when it
// did not start or end in time (it is ended then).
std::optional<DWORD> RunToEnd(const std::wstring& exePath, const std::wstring& arguments, DWORD timeoutMs);

}  // namespace systemstate
