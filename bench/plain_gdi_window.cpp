#include "plain_gdi_window.h"

#include <windowsx.h>

#include <utility>

namespace {

constexpr wchar_t kClassName[] = L"BenchPlainGdiWnd";

}  // namespace

PlainGdiWindow::PlainGdiWindow(std::vector<PlainItem> items, HFONT font) : m_items(std::move(items)), m_font(font) {}

PlainGdiWindow::~PlainGdiWindow()
{
    if (m_window) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
}

HWND PlainGdiWindow::Create(DWORD style, int x, int y, int width, int height)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &PlainGdiWindow::WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    m_window = CreateWindowExW(0, kClassName, L"plain", style, x, y, width, height, nullptr, nullptr,
                               GetModuleHandleW(nullptr), this);
    return m_window;
}

LRESULT CALLBACK PlainGdiWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<PlainGdiWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self) {
        switch (message) {
        case WM_PAINT:
            self->Paint();
            return 0;
        case WM_MOUSEMOVE:
            self->MouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_NCDESTROY:
            self->m_window = nullptr;
            break;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void PlainGdiWindow::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_window, &ps);
    HGDIOBJ previousFont = SelectObject(dc, m_font);
    SetBkMode(dc, TRANSPARENT);
    for (size_t i = 0; i < m_items.size(); ++i) {
        const PlainItem& item = m_items[i];
        RECT overlap;
        if (!IntersectRect(&overlap, &item.rect, &ps.rcPaint)) {
            continue;
        }
        const bool hot = item.hoverable && static_cast<int>(i) == m_hot;
        if (item.hasBackground || hot) {
            SetDCBrushColor(dc, hot ? item.hotBackground : item.background);
            FillRect(dc, &item.rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        }
        if (!item.text.empty()) {
            SetTextColor(dc, item.textColor);
            RECT box = item.textRect;
            DrawTextW(dc, item.text.c_str(), -1, &box, item.textFormat);
        }
    }
    SelectObject(dc, previousFont);
    EndPaint(m_window, &ps);
}

void PlainGdiWindow::MouseMove(POINT pt)
{
    int hot = -1;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].hoverable && PtInRect(&m_items[i].rect, pt)) {
            hot = static_cast<int>(i);
        }
    }
    if (hot == m_hot) {
        return;
    }
    if (m_hot >= 0) {
        InvalidateRect(m_window, &m_items[static_cast<size_t>(m_hot)].rect, TRUE);
    }
    m_hot = hot;
    if (m_hot >= 0) {
        InvalidateRect(m_window, &m_items[static_cast<size_t>(m_hot)].rect, TRUE);
    }
}
