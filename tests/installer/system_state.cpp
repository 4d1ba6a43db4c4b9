#include "system_state.h"

#include "driver.h"

#include <objbase.h>
#include <shellapi.h>
#include <shobjidl.h>

#include <vector>

namespace systemstate {

std::wstring KnownFolder(const KNOWNFOLDERID& id)
{
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path)))
        folder = path;
    CoTaskMemFree(path);
    return folder;
}

bool FolderExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool AppendToFile(const std::wstring& path, const std::string& text)
{
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool wrote = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                       written == text.size();
    CloseHandle(file);
    return wrote;
}

bool RemoveTree(const std::wstring& folder)
{
    if (!FolderExists(folder))
        return true;
    std::wstring from = folder;
    from.push_back(L'\0');  // the list of paths ends with two NULs
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
    return !FolderExists(folder);
}

bool RegistryKeyExists(HKEY root, const std::wstring& key, REGSAM view)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | view, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

std::optional<std::wstring> RegistryText(HKEY root, const std::wstring& key, const std::wstring& value)
{
    DWORD bytes = 0;
    if (RegGetValueW(root, key.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1);
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(root, key.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, text.data(), &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(text.data());
}

std::optional<DWORD> RegistryNumber(HKEY root, const std::wstring& key, const std::wstring& value)
{
    DWORD number = 0;
    DWORD bytes = sizeof number;
    if (RegGetValueW(root, key.c_str(), value.c_str(), RRF_RT_REG_DWORD, nullptr, &number, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return number;
}

void RemoveRegistryKey(HKEY root, const std::wstring& key)
{
    RegDeleteTreeW(root, key.c_str());
    RegDeleteKeyW(root, key.c_str());
}

std::optional<Shortcut> ReadShortcut(const std::wstring& linkPath)
{
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::optional<Shortcut> read;
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(linkPath.c_str(), STGM_READ))) {
        wchar_t text[MAX_PATH] = {};
        Shortcut shortcut;
        if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH)))
            shortcut.target = text;
        text[0] = L'\0';
        if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH)))
            shortcut.workingDirectory = text;
        text[0] = L'\0';
        if (SUCCEEDED(link->GetIconLocation(text, MAX_PATH, &shortcut.iconIndex)))
            shortcut.iconFile = text;
        read = shortcut;
    }
    if (file)
        file->Release();
    if (link)
        link->Release();
    if (SUCCEEDED(com))
        CoUninitialize();
    return read;
}

namespace {

HMODULE OpenResources(const std::wstring& exePath)
{
    return LoadLibraryExW(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE);
}

BOOL CALLBACK KeepFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR first)
{
    *reinterpret_cast<WORD*>(first) = IS_INTRESOURCE(name) ? LOWORD(reinterpret_cast<ULONG_PTR>(name)) : 0;
    return FALSE;
}

}  // namespace

std::string ProgramManifest(const std::wstring& exePath)
{
    HMODULE image = OpenResources(exePath);
    if (!image)
        return {};
    std::string manifest;
    HRSRC resource = FindResourceW(image, MAKEINTRESOURCEW(1), RT_MANIFEST);
    HGLOBAL loaded = resource ? LoadResource(image, resource) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (bytes)
        manifest.assign(bytes, SizeofResource(image, resource));
    FreeLibrary(image);
    return manifest;
}

WORD FirstIconGroup(const std::wstring& exePath)
{
    HMODULE image = OpenResources(exePath);
    if (!image)
        return 0;
    WORD first = 0;
    EnumResourceNamesW(image, RT_GROUP_ICON, KeepFirstName, reinterpret_cast<LONG_PTR>(&first));
    FreeLibrary(image);
    return first;
}

std::optional<DWORD> RunToEnd(const std::wstring& exePath, const std::wstring& arguments, DWORD timeoutMs)
{
    driver::Process process = driver::StartProcess(exePath, arguments);
    if (!process.handle) {
        std::printf("running %ls: it did not start (error %lu)\n", exePath.c_str(), GetLastError());
        std::fflush(stdout);
        return std::nullopt;
    }
    DWORD exitCode = 0;
    const bool ended = driver::WaitForExit(process, timeoutMs, &exitCode);
    if (!ended) {
        std::printf("running %ls: it did not end within %lu ms and was stopped\n", exePath.c_str(), timeoutMs);
        std::fflush(stdout);
        driver::KillProcessTree(process);
    }
    driver::CloseProcess(process);
    return ended ? std::optional<DWORD>(exitCode) : std::nullopt;
}

}  // namespace systemstate
