// A plain top-level window for the driver's tests. It paints itself in one
// colour and keeps every message it receives, so a test can see what real
// input reached it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TestWindow {
public:
    struct Options {
        std::wstring caption = L"driver test window";
        RECT bounds = {100, 100, 400, 300};  // screen coordinates
        DWORD style = WS_POPUP | WS_VISIBLE;
        DWORD exStyle = 0;
        HWND owner = nullptr;
        COLORREF colour = RGB(255, 255, 255);
        // The whole client area answers as a caption, so the window can be dragged by it.
        bool movableByClientArea = false;
    };
    struct Message {
        UINT id;
        WPARAM wParam;
        LPARAM lParam;
    };

    static constexpr const wchar_t* kClassName = L"DriverTestWindow";

    explicit TestWindow(const Options& options);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND handle() const { return m_window; }
    // Creates a child control (a system class such as L"BUTTON") at a client rectangle.
    HWND AddChild(const wchar_t* className, const wchar_t* text, DWORD style, RECT client, int id);

    // Messages of the given kind received so far, oldest first.
    std::vector<Message> Received(UINT id) const;
    size_t CountOf(UINT id) const { return Received(id).size(); }
    void ForgetReceived() { m_received.clear(); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    Options m_options;
    HWND m_window = nullptr;
    HBRUSH m_brush = nullptr;
    std::vector<Message> m_received;
};
