#include "toolkit/paint_manager.h"

#include <shlwapi.h>
#include <windowsx.h>

#include "back_buffer.h"
#include "paths.h"
#include "skin_image.h"
#include "skin_image_cache.h"
#include "toolkit/control.h"
#include "window_dpi.h"

namespace {

// Process-wide, touched on the main thread only.
HINSTANCE g_instance = nullptr;
CDuiString g_resourcePath;
bool g_resourcePathSet = false;

// What shows where the skin paints nothing.
constexpr DWORD kEmptyBackground = RGB(0xFF, 0xFF, 0xFF);
// The alpha of a colour that hides what lies under it.
constexpr DWORD kOpaqueAlpha = 0xFF;
// The font of text whose skin declares none.
constexpr wchar_t kFallbackFace[] = L"Microsoft YaHei";
constexpr int kFallbackSize = 12;

HFONT MakeFont(const wchar_t* face, int size, bool bold, UINT dpi)
{
    LOGFONTW font = {};
    font.lfHeight = -ScaleToDpi(size, dpi);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

}  // namespace

CPaintManagerUI::CPaintManagerUI() : m_buffer(std::make_unique<BackBuffer>()) {}

CPaintManagerUI::~CPaintManagerUI()
{
    m_root.reset();
    DeleteFonts();
}

void CPaintManagerUI::SetInstance(HINSTANCE instance)
{
    g_instance = instance;
}

HINSTANCE CPaintManagerUI::GetInstance()
{
    return g_instance ? g_instance : GetModuleHandleW(nullptr);
}

CDuiString CPaintManagerUI::GetInstancePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(GetInstance(), &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) {
            return CDuiString();
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return FolderOf(path);
}

void CPaintManagerUI::SetResourcePath(const wchar_t* path)
{
    g_resourcePath = WithTrailingSeparator(path);
    g_resourcePathSet = true;
}

CDuiString CPaintManagerUI::GetResourcePath()
{
    return g_resourcePathSet ? g_resourcePath : GetInstancePath();
}

void CPaintManagerUI::Init(HWND window)
{
    Reset();
    m_window = window;
    m_dpi = UsableDpi(WindowDpi(window));
}

void CPaintManagerUI::SetDpi(UINT dpi)
{
    dpi = UsableDpi(dpi);
    if (dpi == m_dpi) {
        return;
    }
    m_dpi = dpi;
    RemakeFonts();
    LayoutRoot();
    if (m_window) {
        InvalidateRect(m_window, nullptr, FALSE);
    }
}

int CPaintManagerUI::Scale(int units) const
{
    return ScaleToDpi(units, m_dpi);
}

SIZE CPaintManagerUI::Scale(SIZE units) const
{
    return ScaleToDpi(units, m_dpi);
}

POINT CPaintManagerUI::Scale(POINT units) const
{
    return ScaleToDpi(units, m_dpi);
}

RECT CPaintManagerUI::Scale(const RECT& units) const
{
    return ScaleToDpi(units, m_dpi);
}

void CPaintManagerUI::Reset()
{
    AttachDialog(nullptr);
    m_notifiers.clear();
    m_filters.clear();
    m_initSize = {};
    m_captionRect = {};
    m_hasCaption = false;
    m_sizeBox = {};
    m_minInfo = {};
    m_skinFolder.Empty();
    DeleteFonts();
    m_images.clear();
    m_skinProblems.clear();
    m_skinLocation.Empty();
}

void CPaintManagerUI::AttachDialog(CControlUI* root)
{
    m_hover = nullptr;
    m_pressed = nullptr;
    m_root.reset(root);
    if (m_root) {
        m_root->SetManager(this, nullptr);
        LayoutRoot();
    }
    if (m_window) {
        InvalidateRect(m_window, nullptr, FALSE);
    }
}

CControlUI* CPaintManagerUI::FindControl(const wchar_t* name) const
{
    return m_root && name ? m_root->FindControlByName(name) : nullptr;
}

void CPaintManagerUI::AddNotifier(INotifyUI* notifier)
{
    m_notifiers.push_back(notifier);
}

void CPaintManagerUI::AddMessageFilter(IMessageFilterUI* filter)
{
    m_filters.push_back(filter);
}

void CPaintManagerUI::SendNotify(CControlUI* sender, const wchar_t* type, WPARAM wParam, LPARAM lParam)
{
    TNotifyUI msg;
    msg.sType = type;
    msg.pSender = sender;
    msg.dwTimestamp = GetTickCount();
    GetCursorPos(&msg.ptMouse);
    if (m_window) {
        ScreenToClient(m_window, &msg.ptMouse);
    }
    msg.wParam = wParam;
    msg.lParam = lParam;
    // A notifier may add another; the ones present now are the ones told.
    const std::vector<INotifyUI*> notifiers = m_notifiers;
    for (INotifyUI* notifier : notifiers) {
        notifier->Notify(msg);
    }
}

bool CPaintManagerUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    for (IMessageFilterUI* filter : m_filters) {
        BOOL handled = FALSE;
        const LRESULT answer = filter->MessageHandler(uMsg, wParam, lParam, handled);
        if (handled) {
            result = answer;
            return true;
        }
    }
    const POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (uMsg) {
    case WM_ERASEBKGND:
        // Painting covers every pixel; erasing first would only flicker.
        result = 1;
        return true;
    case WM_PAINT:
        Paint();
        result = 0;
        return true;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) {
            LayoutRoot();
        }
        return false;
    case WM_MOUSEMOVE:
        OnMouseMove(pt);
        result = 0;
        return true;
    case WM_MOUSELEAVE:
        m_trackingLeave = false;
        if (!m_pressed) {
            SetHover(nullptr, pt);
        }
        result = 0;
        return true;
    case WM_LBUTTONDOWN:
        OnButtonDown(pt);
        result = 0;
        return true;
    case WM_LBUTTONUP:
        OnButtonUp(pt);
        result = 0;
        return true;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != m_window) {
            CancelPress();
        }
        return false;
    case WM_NCDESTROY:
        m_hover = nullptr;
        m_pressed = nullptr;
        m_window = nullptr;
        return false;
    default:
        return false;
    }
}

bool CPaintManagerUI::HasSizeBox() const
{
    return m_sizeBox.left > 0 || m_sizeBox.top > 0 || m_sizeBox.right > 0 || m_sizeBox.bottom > 0;
}

void CPaintManagerUI::AddFont(int id, const wchar_t* face, int size, bool bold, bool isDefault)
{
    HFONT font = MakeFont(face, size, bold, m_dpi);
    if (!font) {
        return;
    }
    auto existing = m_fonts.find(id);
    if (existing != m_fonts.end()) {
        DeleteObject(existing->second.font);
        existing->second = {face, size, bold, font};
    } else {
        m_fonts.emplace(id, SkinFont{face, size, bold, font});
    }
    if (isDefault) {
        m_defaultFontId = id;
    }
}

HFONT CPaintManagerUI::GetFont(int id)
{
    auto found = m_fonts.find(id);
    return found != m_fonts.end() ? found->second.font : GetDefaultFont();
}

HFONT CPaintManagerUI::GetDefaultFont()
{
    auto found = m_fonts.find(m_defaultFontId);
    if (found != m_fonts.end()) {
        return found->second.font;
    }
    if (!m_fallbackFont) {
        m_fallbackFont = MakeFont(kFallbackFace, kFallbackSize, false, m_dpi);
    }
    return m_fallbackFont;
}

const SkinImage* CPaintManagerUI::GetImage(const CDuiString& file)
{
    auto found = m_images.find(file.Str());
    if (found != m_images.end()) {
        return found->second.get();
    }
    const CDuiString path = PathIsRelativeW(file) ? m_skinFolder + file : file;
    std::wstring error;
    std::shared_ptr<const SkinImage> image = CachedSkinImage(path.Str(), error);
    if (!image) {
        AddSkinProblem(CDuiString(L"image \"") + file + L"\" (" + path + L"): " + error.c_str());
    }
    const SkinImage* loaded = image.get();
    m_images.emplace(file.Str(), std::move(image));
    return loaded;
}

void CPaintManagerUI::AddSkinProblem(const CDuiString& problem)
{
    m_skinProblems.push_back(m_skinLocation.IsEmpty() ? problem : m_skinLocation + L": " + problem);
}

CDuiString CPaintManagerUI::GetLastSkinError() const
{
    return m_skinProblems.empty() ? CDuiString() : m_skinProblems.back();
}

void CPaintManagerUI::Paint()
{
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(m_window, &ps);
    RECT client;
    GetClientRect(m_window, &client);
    const RECT& dirty = ps.rcPaint;
    HDC buffer = IsRectEmpty(&dirty) || IsRectEmpty(&client) ? nullptr : m_buffer->Prepare({client.right, client.bottom});
    if (buffer) {
        const int saved = SaveDC(buffer);
        IntersectClipRect(buffer, dirty.left, dirty.top, dirty.right, dirty.bottom);
        if (!RootCoversOpaquely(dirty)) {
            SetDCBrushColor(buffer, kEmptyBackground);
            FillRect(buffer, &dirty, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        }
        if (m_root) {
            m_root->DoPaint(buffer, dirty);
        }
        RestoreDC(buffer, saved);
        BitBlt(screen, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, buffer, dirty.left,
               dirty.top, SRCCOPY);
    }
    EndPaint(m_window, &ps);
}

bool CPaintManagerUI::RootCoversOpaquely(const RECT& area) const
{
    if (!m_root || !m_root->IsVisible() || (m_root->GetBkColor() >> 24) != kOpaqueAlpha) {
        return false;
    }
    RECT both;
    UnionRect(&both, &m_root->GetPos(), &area);
    return EqualRect(&both, &m_root->GetPos()) != FALSE;
}

void CPaintManagerUI::LayoutRoot()
{
    if (!m_root || !m_window) {
        return;
    }
    RECT client;
    GetClientRect(m_window, &client);
    if (!IsRectEmpty(&client)) {
        m_root->SetPos(client);
    }
}

void CPaintManagerUI::SetHover(CControlUI* control, POINT pt)
{
    if (control == m_hover) {
        return;
    }
    if (m_hover) {
        m_hover->DoEvent({UiEventType::MouseLeave, pt});
    }
    m_hover = control;
    if (m_hover) {
        m_hover->DoEvent({UiEventType::MouseEnter, pt});
    }
}

void CPaintManagerUI::OnMouseMove(POINT pt)
{
    if (!m_trackingLeave) {
        TRACKMOUSEEVENT track = {};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = m_window;
        m_trackingLeave = TrackMouseEvent(&track) != FALSE;
    }
    if (m_pressed) {
        // While pressed, only the pressed control can be hot.
        SetHover(PtInRect(&m_pressed->GetPos(), pt) ? m_pressed : nullptr, pt);
        return;
    }
    SetHover(m_root ? m_root->FindControlAt(pt, true) : nullptr, pt);
}

void CPaintManagerUI::OnButtonDown(POINT pt)
{
    CControlUI* target = m_root ? m_root->FindControlAt(pt, true) : nullptr;
    if (!target) {
        return;
    }
    SetHover(target, pt);
    m_pressed = target;
    SetCapture(m_window);
    target->DoEvent({UiEventType::ButtonDown, pt});
}

void CPaintManagerUI::OnButtonUp(POINT pt)
{
    CControlUI* target = m_pressed;
    if (!target) {
        return;
    }
    m_pressed = nullptr;
    ReleaseCapture();
    // The control may send a notification whose handler changes the window,
    // so nothing here touches the control afterwards.
    target->DoEvent({UiEventType::ButtonUp, pt});
}

void CPaintManagerUI::CancelPress()
{
    CControlUI* target = m_pressed;
    if (!target) {
        return;
    }
    m_pressed = nullptr;
    const RECT& rc = target->GetPos();
    // A release outside the control: it lets go without a click.
    target->DoEvent({UiEventType::ButtonUp, {rc.left - 1, rc.top - 1}});
}

void CPaintManagerUI::DeleteFonts()
{
    for (auto& entry : m_fonts) {
        DeleteObject(entry.second.font);
    }
    m_fonts.clear();
    m_defaultFontId = -1;
    if (m_fallbackFont) {
        DeleteObject(m_fallbackFont);
        m_fallbackFont = nullptr;
    }
}

void CPaintManagerUI::RemakeFonts()
{
    for (auto& entry : m_fonts) {
        SkinFont& skinFont = entry.second;
        // A font that cannot be made at the new size keeps its old one.
        if (HFONT font = MakeFont(skinFont.face.c_str(), skinFont.size, skinFont.bold, m_dpi)) {
            DeleteObject(skinFont.font);
            skinFont.font = font;
        }
    }
    if (m_fallbackFont) {
        DeleteObject(m_fallbackFont);
        m_fallbackFont = nullptr;
    }
}
