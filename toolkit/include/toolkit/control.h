// The base of every control: a named rectangle with a background.
#pragma once

#include <windows.h>

#include "toolkit/dui_string.h"

class CPaintManagerUI;
struct SkinImage;

enum class UiEventType { MouseEnter, MouseLeave, ButtonDown, ButtonUp };

// Mouse input the paint manager hands to the control under the pointer.
struct TEventUI {
    UiEventType type;
    POINT ptMouse;  // client coordinates
};

enum class AttributeResult { Applied, Unknown, Malformed };

class CControlUI {
public:
    CControlUI();
    virtual ~CControlUI();
    CControlUI(const CControlUI&) = delete;
    CControlUI& operator=(const CControlUI&) = delete;

    // The skin element type that creates this kind of control.
    virtual const wchar_t* GetClass() const;

    const CDuiString& GetName() const { return m_name; }
    void SetName(const CDuiString& name) { m_name = name; }

    CPaintManagerUI* GetManager() const { return m_manager; }
    CControlUI* GetParent() const { return m_parent; }
    virtual void SetManager(CPaintManagerUI* manager, CControlUI* parent);

    const RECT& GetPos() const { return m_rcItem; }
    // Places the control (client coordinates) and repaints what moved.
    virtual void SetPos(const RECT& rc);
    int GetWidth() const { return m_rcItem.right - m_rcItem.left; }
    int GetHeight() const { return m_rcItem.bottom - m_rcItem.top; }

    // Sizes, paddings and insets are kept in skin units and laid out in
    // pixels at the window's DPI.
    // Fixed sizes; 0 lets the parent layout decide.
    int GetFixedWidth() const { return m_fixedWidth; }
    int GetFixedHeight() const { return m_fixedHeight; }
    void SetFixedWidth(int width);
    void SetFixedHeight(int height);
    // Space kept free around the control inside its parent.
    const RECT& GetPadding() const { return m_padding; }
    void SetPadding(const RECT& padding);

    bool IsVisible() const { return m_visible; }
    virtual void SetVisible(bool visible);
    bool IsEnabled() const { return m_enabled; }
    virtual void SetEnabled(bool enabled);

    // Colours are 0xAARRGGBB; alpha 0 paints nothing.
    DWORD GetBkColor() const { return m_bkColor; }
    void SetBkColor(DWORD argb);
    const CDuiString& GetBkImage() const { return m_bkImage; }
    // The file is looked up beside the skin; an unreadable one paints nothing.
    void SetBkImage(const CDuiString& file);

    virtual AttributeResult SetAttribute(const wchar_t* name, const wchar_t* value);

    void Invalidate();
    // Lays the children out again; controls without children have nothing to do.
    virtual void Relayout() {}

    virtual CControlUI* FindControlByName(const wchar_t* name);
    // The innermost visible control at the point; with mouseTargetsOnly, only
    // controls that take mouse input.
    virtual CControlUI* FindControlAt(POINT pt, bool mouseTargetsOnly);
    virtual bool TakesMouseInput() const { return false; }

    virtual void DoEvent(const TEventUI& event) {}
    virtual void DoPaint(HDC hdc, const RECT& dirty);

protected:
    virtual void PaintBackground(HDC hdc);
    virtual void PaintForeground(HDC hdc) {}
    // The image through the manager's cache (null when unreadable or unnamed);
    // the manager records why a file could not be read.
    const SkinImage* FindImage(const CDuiString& file) const;
    void NeedParentLayout();
    // Skin units to pixels at the window's DPI (as they are before the
    // control belongs to a window).
    int Scaled(int units) const;
    RECT Scaled(const RECT& units) const;

private:
    CPaintManagerUI* m_manager = nullptr;
    CControlUI* m_parent = nullptr;
    CDuiString m_name;
    RECT m_rcItem = {};
    int m_fixedWidth = 0;
    int m_fixedHeight = 0;
    RECT m_padding = {};
    bool m_visible = true;
    bool m_enabled = true;
    DWORD m_bkColor = 0;
    CDuiString m_bkImage;
};
