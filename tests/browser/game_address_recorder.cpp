#include "game_address_recorder.h"

#include "browser/login_globals.h"

namespace {

constexpr wchar_t kRecorderClassName[] = L"GameAddressRecorder";
// The message a client sends the login window with a game address: WM_OPEN_GAME, WM_USER + 1004.
constexpr UINT kOpenGameMessage = 2028;

}  // namespace

GameAddressRecorder::GameAddressRecorder()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &GameAddressRecorder::WindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kRecorderClassName;
    RegisterClassW(&windowClass);
    m_window = CreateWindowExW(0, kRecorderClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_previousLoginWindow = g_hLoginWnd;
    g_hLoginWnd = m_window;
}

GameAddressRecorder::~GameAddressRecorder()
{
    g_hLoginWnd = m_previousLoginWindow;
    DestroyWindow(m_window);
}

LRESULT CALLBACK GameAddressRecorder::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kOpenGameMessage) {
        auto* recorder = reinterpret_cast<GameAddressRecorder*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (recorder)
            recorder->m_addresses.emplace_back(reinterpret_cast<const wchar_t*>(lParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
