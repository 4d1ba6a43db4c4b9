#include "game_address_recorder.h"

#include "browser/window_messages.h"

#include <utility>

namespace {

constexpr wchar_t kRecorderClassName[] = L"GameAddressRecorder";

}  // namespace

GameAddressRecorder::GameAddressRecorder(const std::wstring& loginPage)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &GameAddressRecorder::WindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kRecorderClassName;
    RegisterClassW(&windowClass);
    m_window = CreateWindowExW(0, kRecorderClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_client = new LoginClient(m_window, loginPage);
}

GameAddressRecorder::~GameAddressRecorder()
{
    DestroyWindow(m_window);
}

LRESULT CALLBACK GameAddressRecorder::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_OPEN_GAME) {
        auto* recorder = reinterpret_cast<GameAddressRecorder*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (recorder) {
            ++recorder->m_messages;
            if (std::optional<std::wstring> address = recorder->m_client->TakeGameAddress())
                recorder->m_addresses.push_back(*address);
        }
        return 0;
    }
    if (message == WM_OPEN_OUTSIDE) {
        auto* recorder = reinterpret_cast<GameAddressRecorder*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (recorder) {
            for (std::wstring& address : recorder->m_client->TakeOutsideAddresses())
                recorder->m_outsideAddresses.push_back(std::move(address));
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
