#include "browser_host_window.h"

namespace testsupport {

namespace {

constexpr wchar_t kWindowClass[] = L"ZarnithTestWindow";
constexpr wchar_t kCaption[] = L"Zarnith test window";

ATOM RegisterHostWindowClass()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassW(&windowClass);
}

}  // namespace

BrowserHostWindow::BrowserHostWindow()
{
    static const ATOM windowClass = RegisterHostWindowClass();
    RECT frame = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    window_ = CreateWindowExW(0, MAKEINTATOM(windowClass), kCaption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                              CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
}

BrowserHostWindow::~BrowserHostWindow()
{
    if (IsOpen())
        DestroyWindow(window_);
}

CefWindowInfo BrowserHostWindow::ChildBrowserInfo() const
{
    CefWindowInfo windowInfo;
    windowInfo.SetAsChild(window_, RECT{0, 0, kClientWidth, kClientHeight});
    return windowInfo;
}

}  // namespace testsupport
