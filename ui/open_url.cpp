#include "ui/open_url.h"

#include <windows.h>
#include <shellapi.h>

namespace {

constexpr wchar_t kOpenVerb[] = L"open";
constexpr wchar_t kFallbackBrowser[] = L"iexplore";
// ShellExecuteW reports failure with a value of 32 or less.
constexpr INT_PTR kLastFailureResult = 32;

}  // namespace

void OpenUrl(const std::wstring& address)
{
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, kOpenVerb, address.c_str(), nullptr, nullptr, SW_SHOW));
    if (result > kLastFailureResult)
        return;
    ShellExecuteW(nullptr, kOpenVerb, kFallbackBrowser, address.c_str(), nullptr, SW_SHOW);
}
