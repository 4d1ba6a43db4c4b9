// Finding windows and reading what they show.
#include "driver.h"

namespace driver {
namespace {

// How long a window may take to answer a request for its text.
constexpr UINT kTextReplyTimeoutMs = 2000;

struct TopLevelSearch {
    const wchar_t* className;
    const wchar_t* caption;
    DWORD processId;
    std::vector<HWND> found;
};

bool Matches(HWND window, const TopLevelSearch& search)
{
    if (search.processId != 0 && ProcessOf(window) != search.processId)
        return false;
    // Class names are case-insensitive to the system; captions are compared as shown.
    if (search.className && _wcsicmp(WindowClass(window).c_str(), search.className) != 0)
        return false;
    if (search.caption && WindowText(window) != search.caption)
        return false;
    return true;
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<TopLevelSearch*>(context);
    if (Matches(window, *search))
        search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(const wchar_t* className, const wchar_t* caption, DWORD processId)
{
    TopLevelSearch search{className, caption, processId, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevelWindow(const wchar_t* className, const wchar_t* caption, DWORD processId)
{
    const std::vector<HWND> found = TopLevelWindows(className, caption, processId);
    return found.empty() ? nullptr : found.front();
}

std::vector<HWND> ChildWindows(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::vector<HWND> DescendantWindows(HWND parent)
{
    std::vector<HWND> descendants;
    for (HWND child : ChildWindows(parent)) {
        descendants.push_back(child);
        const std::vector<HWND> below = DescendantWindows(child);
        descendants.insert(descendants.end(), below.begin(), below.end());
    }
    return descendants;
}

std::wstring WindowText(HWND window)
{
    // WM_GETTEXT rather than GetWindowText: it also reads controls of other
    // processes; the time-out keeps a hung window from stopping the test.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTextReplyTimeoutMs, &length) ||
        length == 0)
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                             kTextReplyTimeoutMs, &copied))
        return {};
    text.resize(copied < length ? copied : length);
    return text;
}

std::wstring WindowClass(HWND window)
{
    // 256 is the longest class name the system accepts.
    wchar_t name[257] = {};
    const int length = GetClassNameW(window, name, static_cast<int>(sizeof name / sizeof name[0]));
    return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRectOnScreen(HWND window)
{
    RECT rect = {};
    GetClientRect(window, &rect);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LONG Style(HWND window)
{
    return GetWindowLongW(window, GWL_STYLE);
}

LONG ExStyle(HWND window)
{
    return GetWindowLongW(window, GWL_EXSTYLE);
}

HWND Owner(HWND window)
{
    return GetWindow(window, GW_OWNER);
}

bool IsVisible(HWND window)
{
    return IsWindowVisible(window) != FALSE;
}

DWORD ProcessOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

HWND FocusOnThreadOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return thread && GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

}  // namespace driver
