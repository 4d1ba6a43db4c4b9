#include "plain_browser_window.h"

#include "browser/browser_settings.h"
#include "engine/cef_browser_host.h"

namespace {

ATOM RegisterWindowClass(WNDPROC procedure)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = PlainBrowserWindow::kClassName;
    return RegisterClassW(&windowClass);
}

}  // namespace

PlainBrowserWindow::PlainBrowserWindow(Options options) : m_options(std::move(options))
{
    static const ATOM windowClass = RegisterWindowClass(&PlainBrowserWindow::Procedure);
    RECT frame = {0, 0, m_options.clientSize.cx, m_options.clientSize.cy};
    AdjustWindowRect(&frame, m_options.style, FALSE);
    m_window = CreateWindowExW(0, MAKEINTATOM(windowClass), m_options.caption.c_str(), m_options.style,
                               m_options.position.x, m_options.position.y, frame.right - frame.left,
                               frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    UpdateWindow(m_window);
    CefWindowInfo windowInfo;
    windowInfo.SetAsChild(m_window, RECT{0, 0, m_options.clientSize.cx, m_options.clientSize.cy});
    CefBrowserHost::CreateBrowser(windowInfo, m_options.client, m_options.address, LauncherBrowserSettings(), nullptr);
}

PlainBrowserWindow::~PlainBrowserWindow()
{
    if (IsWindow(m_window)) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
}

LRESULT CALLBACK PlainBrowserWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<PlainBrowserWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && self->m_options.onMessage)
        self->m_options.onMessage(window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}
