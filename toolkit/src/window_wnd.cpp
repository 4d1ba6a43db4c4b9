#include "toolkit/window_wnd.h"

#include "frame_geometry.h"
#include "toolkit/paint_manager.h"
#include "work_area.h"

namespace {

// Where each window keeps its object: the class's extra window bytes.
constexpr int kObjectSlot = 0;

}  // namespace

struct CWindowWnd::ModalLoop {
    UINT result;
    HWND owner;
    // The loop disabled the owner and has not enabled it again yet.
    bool ownerToEnable;
};

CWindowWnd::CWindowWnd() = default;

CWindowWnd::~CWindowWnd()
{
    DestroyDetached();
}

void CWindowWnd::DestroyDetached()
{
    if (m_hWnd && IsWindow(m_hWnd)) {
        HWND window = m_hWnd;
        SetWindowLongPtrW(window, kObjectSlot, 0);
        m_hWnd = nullptr;
        DestroyWindow(window);
    }
}

HWND CWindowWnd::Create(HWND parent, const wchar_t* name, DWORD style, DWORD exStyle, int x, int y, int cx, int cy,
                        HMENU menu)
{
    if (!RegisterWindowClass()) {
        return nullptr;
    }
    // WM_NCCREATE stores the handle in m_hWnd before any handler runs. Child
    // windows (the engine's browsers) are clipped out of whatever the
    // window paints: their pictures are drawn by others, often from other threads.
    return CreateWindowExW(exStyle, GetWindowClassName(), name, style | WS_CLIPCHILDREN, x, y, cx, cy, parent, menu,
                           CPaintManagerUI::GetInstance(), this);
}

void CWindowWnd::ShowWindow(bool show, bool takeFocus)
{
    if (!m_hWnd) {
        return;
    }
    ::ShowWindow(m_hWnd, show ? (takeFocus ? SW_SHOW : SW_SHOWNA) : SW_HIDE);
}

UINT CWindowWnd::ShowModal()
{
    HWND window = m_hWnd;
    if (!window) {
        return 0;
    }
    ModalLoop modal = {0, GetWindow(window, GW_OWNER), false};
    m_modal = &modal;
    ShowWindow(true, true);
    if (modal.owner && IsWindowEnabled(modal.owner)) {
        EnableWindow(modal.owner, FALSE);
        modal.ownerToEnable = true;
    }
    MSG msg;
    // The object may be gone once its window is (OnFinalMessage), so only the
    // handle and the loop's own state are looked at.
    while (IsWindow(window)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            modal.result = static_cast<UINT>(msg.wParam);
            break;
        }
        if (got == -1) {
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // A window destroyed without the default close, or a quit message.
    EnableOwnerOf(modal);
    if (IsWindow(window)) {
        m_modal = nullptr;
    }
    return modal.result;
}

void CWindowWnd::CenterWindow()
{
    if (!m_hWnd) {
        return;
    }
    RECT rc;
    GetWindowRect(m_hWnd, &rc);
    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    const bool overOwner = owner && IsWindowVisible(owner) && !IsIconic(owner);
    const RECT work = MonitorAreaOf(overOwner ? owner : m_hWnd).work;
    RECT area = work;
    if (overOwner) {
        GetWindowRect(owner, &area);
    }
    const POINT pt = CenteredPosition({rc.right - rc.left, rc.bottom - rc.top}, area, work);
    SetWindowPos(m_hWnd, nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWindowWnd::Close(UINT code)
{
    if (!m_hWnd) {
        return;
    }
    if (m_modal) {
        m_modal->result = code;
    }
    PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
}

UINT CWindowWnd::GetClassStyle() const
{
    return 0;
}

LRESULT CWindowWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    // The default close destroys the window, and the system then activates
    // another window: the owner only if it is enabled by then.
    if (uMsg == WM_CLOSE && m_modal) {
        EnableOwnerOf(*m_modal);
    }
    return DefWindowProcW(m_hWnd, uMsg, wParam, lParam);
}

void CWindowWnd::OnFinalMessage(HWND) {}

void CWindowWnd::EnableOwnerOf(ModalLoop& modal)
{
    if (modal.ownerToEnable && IsWindow(modal.owner)) {
        EnableWindow(modal.owner, TRUE);
    }
    modal.ownerToEnable = false;
}

bool CWindowWnd::RegisterWindowClass()
{
    const HINSTANCE instance = CPaintManagerUI::GetInstance();
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, GetWindowClassName(), &existing)) {
        return true;
    }
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = GetClassStyle();
    wc.lpfnWndProc = &CWindowWnd::WindowProc;
    wc.cbWndExtra = sizeof(CWindowWnd*);
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = GetWindowClassName();
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

LRESULT CALLBACK CWindowWnd::WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    CWindowWnd* self = nullptr;
    if (uMsg == WM_NCCREATE) {
        self = static_cast<CWindowWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) {
            self->m_hWnd = hWnd;
            SetWindowLongPtrW(hWnd, kObjectSlot, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<CWindowWnd*>(GetWindowLongPtrW(hWnd, kObjectSlot));
    }
    if (!self) {
        return DefWindowProcW(hWnd, uMsg, wParam, lParam);
    }
    if (uMsg != WM_NCDESTROY) {
        return self->HandleMessage(uMsg, wParam, lParam);
    }
    const LRESULT result = self->HandleMessage(uMsg, wParam, lParam);
    SetWindowLongPtrW(hWnd, kObjectSlot, 0);
    self->m_hWnd = nullptr;
    if (self->m_modal) {
        // Destroyed inside a sent message (a close sent from another thread or
        // process), the modal loop would wait in GetMessage for a posted
        // message that may never come: wake it to see the window gone.
        PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
    }
    self->m_modal = nullptr;
    self->OnFinalMessage(hWnd);
    return result;
}
