#include "toolkit/horizontal_layout.h"

#include "linear_layout.h"

const wchar_t* CHorizontalLayoutUI::GetClass() const
{
    return L"HorizontalLayout";
}

void CHorizontalLayoutUI::LayoutChildren()
{
    const RECT inner = InnerRect();
    const std::vector<CControlUI*> items = VisibleItems();
    std::vector<AxisItem> axis;
    for (CControlUI* item : items) {
        axis.push_back({item->GetFixedWidth(), item->GetPadding().left, item->GetPadding().right});
    }
    const std::vector<AxisSpan> columns =
        DistributeAxis(inner.left, inner.right - inner.left, GetChildPadding(), axis);
    for (size_t i = 0; i < items.size(); ++i) {
        const RECT& margin = items[i]->GetPadding();
        const AxisSpan y = CrossSpan(inner.top, inner.bottom - inner.top, items[i]->GetFixedHeight(), margin.top,
                                     margin.bottom);
        items[i]->SetPos({columns[i].begin, y.begin, columns[i].end, y.end});
    }
}
