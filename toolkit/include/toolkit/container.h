// A control that holds other controls; each child fills the inner area
// (inside the inset and the child's padding) unless it has fixed sizes,
// which anchor it to the top-left corner.
#pragma once

#include <vector>

#include "toolkit/control.h"

class CContainerUI : public CControlUI {
public:
    CContainerUI();
    ~CContainerUI() override;

    const wchar_t* GetClass() const override;

    // The container owns its children.
    void Add(CControlUI* child);
    int GetCount() const { return static_cast<int>(m_items.size()); }
    CControlUI* GetItemAt(int index) const;

    const RECT& GetInset() const { return m_inset; }
    void SetInset(const RECT& inset);
    // Space between neighbouring children of the linear layouts.
    int GetChildPadding() const { return m_childPadding; }
    void SetChildPadding(int padding);

    // CControlUI
    void SetManager(CPaintManagerUI* manager, CControlUI* parent) override;
    void SetPos(const RECT& rc) override;
    AttributeResult SetAttribute(const wchar_t* name, const wchar_t* value) override;
    void Relayout() override;
    CControlUI* FindControlByName(const wchar_t* name) override;
    CControlUI* FindControlAt(POINT pt, bool mouseTargetsOnly) override;
    void DoPaint(HDC hdc, const RECT& dirty) override;

protected:
    virtual void LayoutChildren();
    // The container's rectangle inside its inset.
    RECT InnerRect() const;
    std::vector<CControlUI*> VisibleItems() const;

private:
    std::vector<CControlUI*> m_items;
    RECT m_inset = {};
    int m_childPadding = 0;
};
