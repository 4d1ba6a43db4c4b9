#include "toolkit/control.h"

#include <cwchar>

#include "attribute_values.h"
#include "render.h"
#include "skin_image.h"
#include "toolkit/paint_manager.h"

CControlUI::CControlUI() = default;

CControlUI::~CControlUI() = default;

const wchar_t* CControlUI::GetClass() const
{
    return L"Control";
}

void CControlUI::SetManager(CPaintManagerUI* manager, CControlUI* parent)
{
    m_manager = manager;
    m_parent = parent;
}

void CControlUI::SetPos(const RECT& rc)
{
    if (EqualRect(&rc, &m_rcItem)) {
        return;
    }
    Invalidate();
    m_rcItem = rc;
    Invalidate();
}

void CControlUI::SetFixedWidth(int width)
{
    if (width < 0 || width == m_fixedWidth) {
        return;
    }
    m_fixedWidth = width;
    NeedParentLayout();
}

void CControlUI::SetFixedHeight(int height)
{
    if (height < 0 || height == m_fixedHeight) {
        return;
    }
    m_fixedHeight = height;
    NeedParentLayout();
}

void CControlUI::SetPadding(const RECT& padding)
{
    m_padding = padding;
    NeedParentLayout();
}

void CControlUI::SetVisible(bool visible)
{
    if (visible == m_visible) {
        return;
    }
    Invalidate();
    m_visible = visible;
    NeedParentLayout();
    Invalidate();
}

void CControlUI::SetEnabled(bool enabled)
{
    if (enabled == m_enabled) {
        return;
    }
    m_enabled = enabled;
    Invalidate();
}

void CControlUI::SetBkColor(DWORD argb)
{
    if (argb == m_bkColor) {
        return;
    }
    m_bkColor = argb;
    Invalidate();
}

void CControlUI::SetBkImage(const CDuiString& file)
{
    m_bkImage = file;
    FindImage(m_bkImage);
    Invalidate();
}

AttributeResult CControlUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    bool ok = true;
    int size = 0;
    bool flag = false;
    RECT rect = {};
    DWORD color = 0;
    if (wcscmp(name, L"name") == 0) {
        SetName(value);
    } else if (wcscmp(name, L"width") == 0) {
        ok = ParseInt(value, size) && size >= 0;
        if (ok) {
            SetFixedWidth(size);
        }
    } else if (wcscmp(name, L"height") == 0) {
        ok = ParseInt(value, size) && size >= 0;
        if (ok) {
            SetFixedHeight(size);
        }
    } else if (wcscmp(name, L"padding") == 0) {
        ok = ParseRect(value, rect);
        if (ok) {
            SetPadding(rect);
        }
    } else if (wcscmp(name, L"visible") == 0) {
        ok = ParseBool(value, flag);
        if (ok) {
            SetVisible(flag);
        }
    } else if (wcscmp(name, L"enabled") == 0) {
        ok = ParseBool(value, flag);
        if (ok) {
            SetEnabled(flag);
        }
    } else if (wcscmp(name, L"bkcolor") == 0) {
        ok = ParseColor(value, color);
        if (ok) {
            SetBkColor(color);
        }
    } else if (wcscmp(name, L"bkimage") == 0) {
        SetBkImage(value);
    } else {
        return AttributeResult::Unknown;
    }
    return ok ? AttributeResult::Applied : AttributeResult::Malformed;
}

void CControlUI::Invalidate()
{
    if (!m_manager || !m_manager->GetPaintWindow() || IsRectEmpty(&m_rcItem)) {
        return;
    }
    // A hidden window is painted whole when it is shown; each invalidation
    // is a call into the system, dozens of them as a skin is laid out.
    if (!IsWindowVisible(m_manager->GetPaintWindow())) {
        return;
    }
    InvalidateRect(m_manager->GetPaintWindow(), &m_rcItem, FALSE);
}

CControlUI* CControlUI::FindControlByName(const wchar_t* name)
{
    return m_name == name ? this : nullptr;
}

CControlUI* CControlUI::FindControlAt(POINT pt, bool mouseTargetsOnly)
{
    if (!m_visible || !PtInRect(&m_rcItem, pt)) {
        return nullptr;
    }
    if (mouseTargetsOnly && !TakesMouseInput()) {
        return nullptr;
    }
    return this;
}

void CControlUI::DoPaint(HDC hdc, const RECT& dirty)
{
    RECT overlap;
    if (!m_visible || !IntersectRect(&overlap, &dirty, &m_rcItem)) {
        return;
    }
    PaintBackground(hdc);
    PaintForeground(hdc);
}

void CControlUI::PaintBackground(HDC hdc)
{
    FillArgb(hdc, m_rcItem, m_bkColor);
    if (const SkinImage* image = FindImage(m_bkImage)) {
        DrawSkinImage(hdc, *image, m_rcItem);
    }
}

const SkinImage* CControlUI::FindImage(const CDuiString& file) const
{
    if (file.IsEmpty() || !m_manager) {
        return nullptr;
    }
    return m_manager->GetImage(file);
}

void CControlUI::NeedParentLayout()
{
    if (m_parent) {
        m_parent->Relayout();
    }
}

int CControlUI::Scaled(int units) const
{
    return m_manager ? m_manager->Scale(units) : units;
}

RECT CControlUI::Scaled(const RECT& units) const
{
    return m_manager ? m_manager->Scale(units) : units;
}
