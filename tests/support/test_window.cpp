#include "test_window.h"

namespace testsupport {

namespace {

constexpr wchar_t kWindowClass[] = L"ZarnithTestWindow";
constexpr wchar_t kCaption[] = L"Zarnith test window";

ATOM RegisterTestWindowClass()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassW(&windowClass);
}

}  // namespace

TestWindow::TestWindow(int clientWidth, int clientHeight)
{
    static const ATOM windowClass = RegisterTestWindowClass();
    RECT frame = {0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    window_ = CreateWindowExW(0, MAKEINTATOM(windowClass), kCaption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                              CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
}

TestWindow::~TestWindow()
{
    if (IsOpen())
        DestroyWindow(window_);
}

}  // namespace testsupport
