#include "engine/cef_window_info.h"

namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kPopupStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE;

}  // namespace

void CefWindowInfo::SetAsChild(HWND parent, const RECT& rect)
{
    style = kChildStyle;
    parent_window = parent;
    x = rect.left;
    y = rect.top;
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
}

void CefWindowInfo::SetAsPopup(HWND parent, const CefString& windowName)
{
    style = kPopupStyle;
    parent_window = parent;
    x = CW_USEDEFAULT;
    y = CW_USEDEFAULT;
    width = CW_USEDEFAULT;
    height = CW_USEDEFAULT;
    window_name = windowName;
}
