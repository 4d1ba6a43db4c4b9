// The baseline: the same picture painted straight onto the window with GDI
// calls, each item at a fixed rectangle, the hovered button in its hot colour.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct PlainItem {
    RECT rect;
    COLORREF background;
    bool hasBackground;
    COLORREF hotBackground;  // used when hoverable
    bool hoverable;
    std::wstring text;
    RECT textRect;
    COLORREF textColor;
    UINT textFormat;
};

class PlainGdiWindow {
public:
    PlainGdiWindow(std::vector<PlainItem> items, HFONT font);
    ~PlainGdiWindow();
    PlainGdiWindow(const PlainGdiWindow&) = delete;
    PlainGdiWindow& operator=(const PlainGdiWindow&) = delete;

    HWND Create(DWORD style, int x, int y, int width, int height);
    HWND GetHWND() const { return m_window; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void MouseMove(POINT pt);

    std::vector<PlainItem> m_items;
    HFONT m_font;
    HWND m_window = nullptr;
    int m_hot = -1;
};
