#include "toolkit/label.h"

#include <cwchar>

#include "attribute_values.h"
#include "render.h"
#include "toolkit/paint_manager.h"

namespace {

constexpr DWORD kDefaultTextColor = 0xFF000000;

bool ParseAlign(const wchar_t* text, UINT& align)
{
    if (wcscmp(text, L"left") == 0) {
        align = DT_LEFT;
    } else if (wcscmp(text, L"center") == 0) {
        align = DT_CENTER;
    } else if (wcscmp(text, L"right") == 0) {
        align = DT_RIGHT;
    } else {
        return false;
    }
    return true;
}

}  // namespace

CLabelUI::CLabelUI() : m_textColor(kDefaultTextColor) {}

const wchar_t* CLabelUI::GetClass() const
{
    return L"Label";
}

void CLabelUI::SetText(const CDuiString& text)
{
    if (text == m_text) {
        return;
    }
    m_text = text;
    Invalidate();
}

void CLabelUI::SetTextColor(DWORD argb)
{
    m_textColor = argb;
    Invalidate();
}

void CLabelUI::SetFont(int id)
{
    m_font = id;
    Invalidate();
}

void CLabelUI::SetTextAlign(UINT align)
{
    m_align = align;
    Invalidate();
}

void CLabelUI::SetTextPadding(const RECT& padding)
{
    m_textPadding = padding;
    Invalidate();
}

AttributeResult CLabelUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    bool ok = true;
    if (wcscmp(name, L"text") == 0) {
        SetText(value);
    } else if (wcscmp(name, L"textcolor") == 0) {
        DWORD color = 0;
        ok = ParseColor(value, color);
        if (ok) {
            SetTextColor(color);
        }
    } else if (wcscmp(name, L"font") == 0) {
        int id = 0;
        ok = ParseInt(value, id);
        if (ok) {
            SetFont(id);
        }
    } else if (wcscmp(name, L"align") == 0) {
        UINT align = 0;
        ok = ParseAlign(value, align);
        if (ok) {
            SetTextAlign(align);
        }
    } else if (wcscmp(name, L"textpadding") == 0) {
        RECT padding = {};
        ok = ParseRect(value, padding);
        if (ok) {
            SetTextPadding(padding);
        }
    } else {
        return CControlUI::SetAttribute(name, value);
    }
    return ok ? AttributeResult::Applied : AttributeResult::Malformed;
}

void CLabelUI::PaintForeground(HDC hdc)
{
    PaintText(hdc, m_textColor);
}

void CLabelUI::PaintText(HDC hdc, DWORD argb)
{
    if (m_text.IsEmpty() || !GetManager()) {
        return;
    }
    const RECT& rc = GetPos();
    const RECT padding = Scaled(m_textPadding);
    const RECT box = {rc.left + padding.left, rc.top + padding.top, rc.right - padding.right,
                      rc.bottom - padding.bottom};
    DrawLabelText(hdc, m_text, box, GetManager()->GetFont(m_font), argb, m_align);
}
