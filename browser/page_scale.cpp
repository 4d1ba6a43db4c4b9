#include "browser/page_scale.h"

#include <cwchar>

namespace {

constexpr UINT kUnscaledDpi = 96;
// 125 %: the highest scale at which this engine draws pages at 100 %.
constexpr UINT kHighestDpiDrawnUnscaled = 120;

}  // namespace

std::optional<std::wstring> ForcedPageScale(UINT systemDpi)
{
    if (systemDpi <= kUnscaledDpi || systemDpi > kHighestDpiDrawnUnscaled)
        return std::nullopt;
    wchar_t value[16] = {};
    swprintf(value, sizeof value / sizeof value[0], L"%.4g", static_cast<double>(systemDpi) / kUnscaledDpi);
    return std::wstring(value);
}

UINT ProcessSystemDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kUnscaledDpi;
}
