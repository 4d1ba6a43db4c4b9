#include "app/start_failure.h"

#include "ui/branding.h"

#include <windows.h>

namespace {

// "Zarnith 微端无法启动：" (the micro-client cannot start:)
constexpr wchar_t kCannotStart[] = L"Zarnith \x5FAE\x7AEF\x65E0\x6CD5\x542F\x52A8\xFF1A";
// "缺少浏览器引擎文件“" ... "”。" (the browser engine's file ... is missing.)
constexpr wchar_t kMissingFileBefore[] = L"\x7F3A\x5C11\x6D4F\x89C8\x5668\x5F15\x64CE\x6587\x4EF6\x201C";
constexpr wchar_t kMissingFileAfter[] = L"\x201D\x3002";
// "浏览器引擎（libcef.dll）的版本与本程序不符。" (the engine's version does not match this program.)
constexpr wchar_t kOtherVersion[] =
    L"\x6D4F\x89C8\x5668\x5F15\x64CE\xFF08libcef.dll\xFF09\x7684\x7248\x672C\x4E0E\x672C\x7A0B\x5E8F\x4E0D\x7B26\x3002";
// "浏览器引擎初始化失败。" (the browser engine failed to initialise.)
constexpr wchar_t kDidNotStart[] = L"\x6D4F\x89C8\x5668\x5F15\x64CE\x521D\x59CB\x5316\x5931\x8D25\x3002";
// "请重新安装 Zarnith 微端。" (please install the micro-client again.)
constexpr wchar_t kReinstall[] = L"\x8BF7\x91CD\x65B0\x5B89\x88C5 Zarnith \x5FAE\x7AEF\x3002";

constexpr int kMissingEngineFileExitCode = 2;
constexpr int kOtherEngineVersionExitCode = 3;
constexpr int kEngineDidNotStartExitCode = 4;

}  // namespace

std::wstring StartFailureText(StartFailure failure, const std::wstring& missingFile)
{
    std::wstring reason;
    switch (failure) {
    case StartFailure::MissingEngineFile:
        reason = kMissingFileBefore + missingFile + kMissingFileAfter;
        break;
    case StartFailure::OtherEngineVersion:
        reason = kOtherVersion;
        break;
    case StartFailure::EngineDidNotStart:
        reason = kDidNotStart;
        break;
    }
    return kCannotStart + reason + L"\n" + kReinstall;
}

int StartFailureExitCode(StartFailure failure)
{
    switch (failure) {
    case StartFailure::MissingEngineFile:
        return kMissingEngineFileExitCode;
    case StartFailure::OtherEngineVersion:
        return kOtherEngineVersionExitCode;
    case StartFailure::EngineDidNotStart:
        return kEngineDidNotStartExitCode;
    }
    return kEngineDidNotStartExitCode;
}

void ShowStartFailure(StartFailure failure, const std::wstring& missingFile)
{
    MessageBoxW(nullptr, StartFailureText(failure, missingFile).c_str(), kGameTitle, MB_OK | MB_ICONERROR);
}
