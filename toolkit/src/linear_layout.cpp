#include "linear_layout.h"

#include <algorithm>

std::vector<AxisSpan> DistributeAxis(int start, int length, int gap, const std::vector<AxisItem>& items)
{
    std::vector<AxisSpan> spans;
    if (items.empty()) {
        return spans;
    }
    int used = gap * static_cast<int>(items.size() - 1);
    int flexibleCount = 0;
    for (const AxisItem& item : items) {
        used += item.fixedLength + item.marginBefore + item.marginAfter;
        if (item.fixedLength == 0) {
            ++flexibleCount;
        }
    }
    const int rest = std::max(0, length - used);
    const int share = flexibleCount > 0 ? rest / flexibleCount : 0;
    int flexibleSeen = 0;
    int position = start;
    for (const AxisItem& item : items) {
        int itemLength = item.fixedLength;
        if (itemLength == 0) {
            ++flexibleSeen;
            itemLength = flexibleSeen == flexibleCount ? rest - share * (flexibleCount - 1) : share;
        }
        position += item.marginBefore;
        spans.push_back({position, position + itemLength});
        position += itemLength + item.marginAfter + gap;
    }
    return spans;
}

AxisSpan CrossSpan(int start, int length, int fixedLength, int marginBefore, int marginAfter)
{
    const int begin = start + marginBefore;
    const int available = std::max(0, length - marginBefore - marginAfter);
    return {begin, begin + (fixedLength > 0 ? fixedLength : available)};
}
