#include "switch_log.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace {

constexpr wchar_t kLogVariable[] = L"ZARNITH_TEST_SWITCH_LOG";
constexpr wchar_t kFieldSeparator = L'\t';

std::wstring LogPath()
{
    wchar_t path[MAX_PATH] = {};
    GetEnvironmentVariableW(kLogVariable, path, MAX_PATH);
    return path;
}

}  // namespace

void StartSwitchLogUnlessInherited()
{
    if (!LogPath().empty())
        return;
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path =
        std::wstring(folder) + L"zarnith-switches-" + std::to_wstring(GetCurrentProcessId()) + L".log";
    DeleteFileW(path.c_str());
    SetEnvironmentVariableW(kLogVariable, path.c_str());
}

void AppendToSwitchLog(const std::wstring& processType, const std::wstring& commandLine)
{
    const std::wstring line = processType + kFieldSeparator + commandLine + L"\n";
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0,
                                          nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), utf8.data(), bytes, nullptr,
                        nullptr);
    // One append of the whole line, so lines of several processes do not mix.
    HANDLE file = CreateFileW(LogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    CloseHandle(file);
}

std::vector<SwitchLogEntry> ReadSwitchLog()
{
    std::vector<SwitchLogEntry> entries;
    std::ifstream in(LogPath().c_str(), std::ios::binary);
    std::string utf8((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), length);
    std::wistringstream lines(text);
    std::wstring line;
    while (std::getline(lines, line)) {
        const size_t separator = line.find(kFieldSeparator);
        if (separator != std::wstring::npos)
            entries.push_back({line.substr(0, separator), line.substr(separator + 1)});
    }
    return entries;
}
