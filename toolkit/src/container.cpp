#include "toolkit/container.h"

#include <cwchar>

#include "attribute_values.h"
#include "linear_layout.h"

CContainerUI::CContainerUI() = default;

CContainerUI::~CContainerUI()
{
    for (CControlUI* item : m_items) {
        delete item;
    }
}

const wchar_t* CContainerUI::GetClass() const
{
    return L"Container";
}

void CContainerUI::Add(CControlUI* child)
{
    if (!child) {
        return;
    }
    child->SetManager(GetManager(), this);
    m_items.push_back(child);
    Relayout();
}

CControlUI* CContainerUI::GetItemAt(int index) const
{
    if (index < 0 || index >= GetCount()) {
        return nullptr;
    }
    return m_items[static_cast<size_t>(index)];
}

void CContainerUI::SetInset(const RECT& inset)
{
    m_inset = inset;
    Relayout();
}

void CContainerUI::SetChildPadding(int padding)
{
    m_childPadding = padding;
    Relayout();
}

void CContainerUI::SetManager(CPaintManagerUI* manager, CControlUI* parent)
{
    CControlUI::SetManager(manager, parent);
    for (CControlUI* item : m_items) {
        item->SetManager(manager, this);
    }
}

void CContainerUI::SetPos(const RECT& rc)
{
    CControlUI::SetPos(rc);
    LayoutChildren();
}

AttributeResult CContainerUI::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    if (wcscmp(name, L"inset") == 0) {
        RECT inset = {};
        if (!ParseRect(value, inset)) {
            return AttributeResult::Malformed;
        }
        SetInset(inset);
        return AttributeResult::Applied;
    }
    if (wcscmp(name, L"childpadding") == 0) {
        int padding = 0;
        if (!ParseInt(value, padding) || padding < 0) {
            return AttributeResult::Malformed;
        }
        SetChildPadding(padding);
        return AttributeResult::Applied;
    }
    return CControlUI::SetAttribute(name, value);
}

void CContainerUI::Relayout()
{
    if (!IsRectEmpty(&GetPos())) {
        LayoutChildren();
    }
}

CControlUI* CContainerUI::FindControlByName(const wchar_t* name)
{
    if (CControlUI* self = CControlUI::FindControlByName(name)) {
        return self;
    }
    for (CControlUI* item : m_items) {
        if (CControlUI* found = item->FindControlByName(name)) {
            return found;
        }
    }
    return nullptr;
}

CControlUI* CContainerUI::FindControlAt(POINT pt, bool mouseTargetsOnly)
{
    if (!IsVisible() || !PtInRect(&GetPos(), pt)) {
        return nullptr;
    }
    // Later children are drawn over earlier ones.
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
        if (CControlUI* found = (*it)->FindControlAt(pt, mouseTargetsOnly)) {
            return found;
        }
    }
    return CControlUI::FindControlAt(pt, mouseTargetsOnly);
}

void CContainerUI::DoPaint(HDC hdc, const RECT& dirty)
{
    RECT overlap;
    if (!IsVisible() || !IntersectRect(&overlap, &dirty, &GetPos())) {
        return;
    }
    CControlUI::DoPaint(hdc, dirty);
    const int saved = SaveDC(hdc);
    IntersectClipRect(hdc, overlap.left, overlap.top, overlap.right, overlap.bottom);
    for (CControlUI* item : m_items) {
        item->DoPaint(hdc, overlap);
    }
    RestoreDC(hdc, saved);
}

void CContainerUI::LayoutChildren()
{
    const RECT inner = InnerRect();
    for (CControlUI* item : VisibleItems()) {
        const RECT margin = Scaled(item->GetPadding());
        const AxisSpan x = CrossSpan(inner.left, inner.right - inner.left, Scaled(item->GetFixedWidth()),
                                     margin.left, margin.right);
        const AxisSpan y = CrossSpan(inner.top, inner.bottom - inner.top, Scaled(item->GetFixedHeight()),
                                     margin.top, margin.bottom);
        item->SetPos({x.begin, y.begin, x.end, y.end});
    }
}

RECT CContainerUI::InnerRect() const
{
    const RECT& rc = GetPos();
    const RECT inset = Scaled(m_inset);
    RECT inner = {rc.left + inset.left, rc.top + inset.top, rc.right - inset.right, rc.bottom - inset.bottom};
    if (inner.right < inner.left) {
        inner.right = inner.left;
    }
    if (inner.bottom < inner.top) {
        inner.bottom = inner.top;
    }
    return inner;
}

std::vector<CControlUI*> CContainerUI::VisibleItems() const
{
    std::vector<CControlUI*> visible;
    for (CControlUI* item : m_items) {
        if (item->IsVisible()) {
            visible.push_back(item);
        }
    }
    return visible;
}
