#include "toolkit/vertical_layout.h"

#include "linear_layout.h"

const wchar_t* CVerticalLayoutUI::GetClass() const
{
    return L"VerticalLayout";
}

void CVerticalLayoutUI::LayoutChildren()
{
    const RECT inner = InnerRect();
    const std::vector<CControlUI*> items = VisibleItems();
    std::vector<AxisItem> axis;
    for (CControlUI* item : items) {
        const RECT margin = Scaled(item->GetPadding());
        axis.push_back({Scaled(item->GetFixedHeight()), margin.top, margin.bottom});
    }
    const std::vector<AxisSpan> rows = DistributeAxis(inner.top, inner.bottom - inner.top, Scaled(GetChildPadding()), axis);
    for (size_t i = 0; i < items.size(); ++i) {
        const RECT margin = Scaled(items[i]->GetPadding());
        const AxisSpan x = CrossSpan(inner.left, inner.right - inner.left, Scaled(items[i]->GetFixedWidth()), margin.left,
                                     margin.right);
        items[i]->SetPos({x.begin, rows[i].begin, x.end, rows[i].end});
    }
}
