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
        const RECT margin = Scaled(item->GetPadding());
        axis.push_back({Scaled(item->GetFixedWidth()), margin.left, margin.right});
    }
    const std::vector<AxisSpan> columns =
        DistributeAxis(inner.left, inner.right - inner.left, Scaled(GetChildPadding()), axis);
    for (size_t i = 0; i < items.size(); ++i) {
        const RECT margin = Scaled(items[i]->GetPadding());
        const AxisSpan y = CrossSpan(inner.top, inner.bottom - inner.top, Scaled(items[i]->GetFixedHeight()), margin.top,
                                     margin.bottom);
        items[i]->SetPos({columns[i].begin, y.begin, columns[i].end, y.end});
    }
}
