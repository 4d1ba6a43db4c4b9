#include "test_window.h"

TestWindow::TestWindow(const Options& options) : m_options(options)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    static const bool registered = [instance] {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &TestWindow::Procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
    m_brush = CreateSolidBrush(options.colour);
    const RECT& b = options.bounds;
    m_window = CreateWindowExW(options.exStyle, kClassName, options.caption.c_str(), options.style, b.left, b.top,
                               b.right - b.left, b.bottom - b.top, options.owner, nullptr, instance, this);
    UpdateWindow(m_window);
}

TestWindow::~TestWindow()
{
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(m_window);
    DeleteObject(m_brush);
}

HWND TestWindow::AddChild(const wchar_t* className, const wchar_t* text, DWORD style, RECT client, int id)
{
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, client.left, client.top,
                           client.right - client.left, client.bottom - client.top, m_window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

std::vector<TestWindow::Message> TestWindow::Received(UINT id) const
{
    std::vector<Message> matching;
    for (const Message& message : m_received)
        if (message.id == id)
            matching.push_back(message);
    return matching;
}

LRESULT CALLBACK TestWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<TestWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT TestWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_received.push_back({message, wParam, lParam});
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(m_window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, m_brush);
        return 1;
    }
    case WM_NCHITTEST: {
        const LRESULT hit = DefWindowProcW(m_window, message, wParam, lParam);
        return m_options.movableByClientArea && hit == HTCLIENT ? HTCAPTION : hit;
    }
    default:
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
}
