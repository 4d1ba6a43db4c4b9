// Stands in for the web browser in tests that open web addresses: it writes
// down what it was started with and ends, showing nothing.
#include "url_recorder.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

// Everything after the program name, the arguments separated by one space.
std::wstring JoinedArguments()
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring joined;
    for (int i = 1; arguments && i < count; ++i) {
        if (i > 1)
            joined += L' ';
        joined += arguments[i];
    }
    LocalFree(arguments);
    return joined;
}

std::string Utf8(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string converted(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &converted[0], size, nullptr, nullptr);
    return converted;
}

std::wstring RecordFilePath()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + kUrlRecordFileName;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::string line = Utf8(JoinedArguments()) + "\n";
    // Appending keeps the line whole even when two runs overlap.
    HANDLE file = CreateFileW(RecordFilePath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL wrote = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return wrote && written == line.size() ? 0 : 1;
}
