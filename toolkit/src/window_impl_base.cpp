#include "toolkit/window_impl_base.h"

#include <windowsx.h>

#include "frame_geometry.h"
#include "paths.h"
#include "skin_builder.h"
#include "skin_image_cache.h"
#include "toolkit/control.h"
#include "work_area.h"

namespace {

// Tells DefWindowProc not to draw the frame while it tracks activation.
constexpr LPARAM kSkipFramePainting = -1;

// A window's skin file: a folder under the resource path, and a file in it.
CDuiString SkinPath(const CDuiString& folder, const CDuiString& file)
{
    return CPaintManagerUI::GetResourcePath() + WithTrailingSeparator(folder) + file;
}

}  // namespace

NOTIFY_MAP_BEGIN(WindowImplBase, CNotifyPump)
NOTIFY_MAP_ON_TYPE(kNotifyClick, &WindowImplBase::OnClick)
NOTIFY_MAP_END()

WindowImplBase::WindowImplBase() = default;

WindowImplBase::~WindowImplBase()
{
    // Before the paint manager and its controls go.
    DestroyDetached();
}

LRESULT WindowImplBase::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    BOOL handled = TRUE;
    LRESULT result = 0;
    switch (uMsg) {
    case WM_CREATE: result = OnCreate(uMsg, wParam, lParam, handled); break;
    case WM_CLOSE: result = OnClose(uMsg, wParam, lParam, handled); break;
    case WM_DESTROY: result = OnDestroy(uMsg, wParam, lParam, handled); break;
    case WM_NCACTIVATE: result = OnNcActivate(uMsg, wParam, lParam, handled); break;
    case WM_NCCALCSIZE: result = OnNcCalcSize(uMsg, wParam, lParam, handled); break;
    case WM_WINDOWPOSCHANGING: result = OnWindowPosChanging(uMsg, wParam, lParam, handled); break;
    case WM_NCPAINT: result = OnNcPaint(uMsg, wParam, lParam, handled); break;
    case WM_NCHITTEST: result = OnNcHitTest(uMsg, wParam, lParam, handled); break;
    case WM_GETMINMAXINFO: result = OnGetMinMaxInfo(uMsg, wParam, lParam, handled); break;
    case WM_MOUSEWHEEL: result = OnMouseWheel(uMsg, wParam, lParam, handled); break;
    case WM_MOUSEHOVER: result = OnMouseHover(uMsg, wParam, lParam, handled); break;
    case WM_SIZE: result = OnSize(uMsg, wParam, lParam, handled); break;
    case WM_CHAR: result = OnChar(uMsg, wParam, lParam, handled); break;
    case WM_SYSCOMMAND: result = OnSysCommand(uMsg, wParam, lParam, handled); break;
    case WM_KEYDOWN: result = OnKeyDown(uMsg, wParam, lParam, handled); break;
    case WM_KILLFOCUS: result = OnKillFocus(uMsg, wParam, lParam, handled); break;
    case WM_SETFOCUS: result = OnSetFocus(uMsg, wParam, lParam, handled); break;
    case WM_LBUTTONDOWN: result = OnLButtonDown(uMsg, wParam, lParam, handled); break;
    case WM_LBUTTONUP: result = OnLButtonUp(uMsg, wParam, lParam, handled); break;
    case WM_MOUSEMOVE: result = OnMouseMove(uMsg, wParam, lParam, handled); break;
    case WM_DPICHANGED:
        // The system always sends the rectangle; a message without one is not its.
        if (lParam) {
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        }
        break;
    case WM_NCLBUTTONDBLCLK:
        // Only a window with a size box grows from a double click on its caption.
        handled = wParam == HTCAPTION && !m_pm.HasSizeBox();
        break;
    default:
        handled = FALSE;
        result = HandleCustomMessage(uMsg, wParam, lParam, handled);
        break;
    }
    if (handled) {
        return result;
    }
    if (m_pm.MessageHandler(uMsg, wParam, lParam, result)) {
        return result;
    }
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

void WindowImplBase::InitWindow() {}

void WindowImplBase::OnClick(TNotifyUI& msg)
{
    if (!msg.pSender) {
        return;
    }
    const CDuiString& name = msg.pSender->GetName();
    if (name == kCloseButtonName) {
        Close(IDOK);
    } else if (name == kMinimizeButtonName) {
        SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    } else if (name == kMaximizeButtonName) {
        SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    } else if (name == kRestoreButtonName) {
        SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    }
}

LRESULT WindowImplBase::ResponseDefaultKeyEvent(WPARAM)
{
    return FALSE;
}

LRESULT WindowImplBase::OnClose(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnDestroy(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnNcActivate(UINT uMsg, WPARAM wParam, LPARAM, BOOL& bHandled)
{
    if (IsIconic(m_hWnd)) {
        bHandled = FALSE;
        return 0;
    }
    return DefWindowProcW(m_hWnd, uMsg, wParam, kSkipFramePainting);
}

LRESULT WindowImplBase::OnNcCalcSize(UINT, WPARAM, LPARAM, BOOL&)
{
    // The client area is the whole window: the skin draws the frame.
    return 0;
}

LRESULT WindowImplBase::OnWindowPosChanging(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnNcPaint(UINT, WPARAM, LPARAM, BOOL&)
{
    return 0;
}

LRESULT WindowImplBase::OnNcHitTest(UINT, WPARAM, LPARAM lParam, BOOL&)
{
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(m_hWnd, &pt);
    RECT client;
    GetClientRect(m_hWnd, &client);
    // The styles say what the window may do now: a full-screen window
    // switches to styles without caption and sizing border.
    const LONG style = GetWindowLongW(m_hWnd, GWL_STYLE);
    const bool sizable = (style & WS_THICKFRAME) != 0;
    const bool draggable = (style & WS_CAPTION) == WS_CAPTION;
    const FrameShape shape = {
        {client.right, client.bottom},
        m_pm.GetSizeBox(),
        sizable && !IsZoomed(m_hWnd) && m_pm.HasSizeBox(),
        draggable && m_pm.HasCaption(),
        m_pm.GetCaptionRect(),
    };
    CControlUI* root = m_pm.GetRoot();
    const bool overMouseTarget = root && root->FindControlAt(pt, true);
    return FrameHitTest(shape, pt, overMouseTarget);
}

LRESULT WindowImplBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, BOOL&)
{
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    // Maximised, the window covers the work area (and not the task bar).
    const MonitorArea area = MonitorAreaOf(m_hWnd);
    info->ptMaxPosition = {area.work.left - area.monitor.left, area.work.top - area.monitor.top};
    info->ptMaxSize = {area.work.right - area.work.left, area.work.bottom - area.work.top};
    const SIZE minimum = m_pm.GetMinInfo();
    if (minimum.cx > 0) {
        info->ptMinTrackSize.x = minimum.cx;
    }
    if (minimum.cy > 0) {
        info->ptMinTrackSize.y = minimum.cy;
    }
    return 0;
}

LRESULT WindowImplBase::OnMouseWheel(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnMouseHover(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnSize(UINT, WPARAM wParam, LPARAM, BOOL& bHandled)
{
    if (wParam == SIZE_MAXIMIZED) {
        ShowMaximizedState(true);
    } else if (wParam == SIZE_RESTORED) {
        ShowMaximizedState(false);
    }
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnChar(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL&)
{
    return DefWindowProcW(m_hWnd, uMsg, wParam, lParam);
}

LRESULT WindowImplBase::OnCreate(UINT, WPARAM, LPARAM, BOOL&)
{
    m_pm.Init(m_hWnd);
    m_pm.AddNotifier(this);
    m_pm.AddMessageFilter(this);
    const CDuiString skinPath = SkinPath(GetSkinFolder(), GetSkinFile());
    m_pm.SetSkinFolder(FolderOf(skinPath));
    m_pm.AttachDialog(BuildSkin(skinPath, m_pm, this));
    SIZE size = m_pm.GetInitSize();
    if (size.cx > 0 && size.cy > 0) {
        const RECT work = MonitorAreaOf(m_hWnd).work;
        m_pm.SetDpi(DpiThatFits(m_pm.GetDpi(), size, {work.right - work.left, work.bottom - work.top}));
        // Sized and placed in one move: each is a round of messages and of
        // work in the system, even for a window not shown yet.
        const RECT placed = InitialRect(m_pm.GetInitSize());
        SetWindowPos(m_hWnd, nullptr, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InitWindow();
    return 0;
}

void WindowImplBase::PreloadSkin(const CDuiString& folder, const CDuiString& file)
{
    CPaintManagerUI manager;
    const CDuiString skinPath = SkinPath(folder, file);
    manager.SetSkinFolder(FolderOf(skinPath));
    manager.AttachDialog(BuildSkin(skinPath, manager, nullptr));
}

WindowImplBase::BackgroundSkinPreload::BackgroundSkinPreload(const CDuiString& folder, const CDuiString& file)
    : m_thread([folder, file] {
          PreloadSkin(folder, file);
          HandOverThreadSkinImages();
      })
{
}

WindowImplBase::BackgroundSkinPreload::~BackgroundSkinPreload()
{
    Wait();
}

void WindowImplBase::BackgroundSkinPreload::Wait()
{
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

RECT WindowImplBase::InitialRect(SIZE size)
{
    RECT window = {};
    GetWindowRect(m_hWnd, &window);
    return {window.left, window.top, window.left + size.cx, window.top + size.cy};
}

LRESULT WindowImplBase::OnKeyDown(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnKillFocus(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnSetFocus(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnLButtonDown(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnLButtonUp(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnMouseMove(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

void WindowImplBase::OnDpiChanged(UINT dpi, const RECT& suggested)
{
    m_pm.SetDpi(dpi);
    SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT WindowImplBase::HandleCustomMessage(UINT, WPARAM, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    return 0;
}

void WindowImplBase::Notify(TNotifyUI& msg)
{
    DispatchNotify(msg);
}

LRESULT WindowImplBase::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM, BOOL& handled)
{
    handled = uMsg == WM_KEYDOWN && ResponseDefaultKeyEvent(wParam);
    return 0;
}

CControlUI* WindowImplBase::CreateControl(const wchar_t*)
{
    return nullptr;
}

void WindowImplBase::ShowMaximizedState(bool maximized)
{
    CControlUI* maximize = m_pm.FindControl(kMaximizeButtonName);
    CControlUI* restore = m_pm.FindControl(kRestoreButtonName);
    if (maximize && restore) {
        maximize->SetVisible(!maximized);
        restore->SetVisible(maximized);
    }
}
