// A control that shows one line of text.
#pragma once

#include "toolkit/control.h"

class CLabelUI : public CControlUI {
public:
    CLabelUI();

    const CDuiString& GetText() const { return m_text; }
    void SetText(const CDuiString& text);
    DWORD GetTextColor() const { return m_textColor; }
    void SetTextColor(DWORD argb);
    // An id of the skin's fonts; -1 (or an id the skin lacks) uses its default font.
    int GetFont() const { return m_font; }
    void SetFont(int id);
    // DT_LEFT, DT_CENTER or DT_RIGHT.
    UINT GetTextAlign() const { return m_align; }
    void SetTextAlign(UINT align);
    const RECT& GetTextPadding() const { return m_textPadding; }
    void SetTextPadding(const RECT& padding);

    // CControlUI
    const wchar_t* GetClass() const override;
    AttributeResult SetAttribute(const wchar_t* name, const wchar_t* value) override;

protected:
    // CControlUI
    void PaintForeground(HDC hdc) override;

    void PaintText(HDC hdc, DWORD argb);

private:
    CDuiString m_text;
    DWORD m_textColor;
    int m_font = -1;
    UINT m_align = DT_LEFT;
    RECT m_textPadding = {};
};
