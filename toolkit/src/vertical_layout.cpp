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
        axis.push_back({item->GetFixedHeight(), item->GetPadding().top, item->GetPadding().bottom});
    }
    const std::vector<AxisSpan> rows = DistributeAxis(inner.top, inner.bottom - inner.top, GetChildPadding(), axis);
    for (size_t i = 0; i < items.size(); ++i) {
        const RECT& margin = items[i]->GetPadding();
        const AxisSpan x = CrossSpan(inner.left, inner.right - inner.left, items[i]->GetFixedWidth(), margin.left,
                                     margin.right);
        items[i]->SetPos({x.begin, rows[i].begin, x.end, rows[i].end});
    }
}
