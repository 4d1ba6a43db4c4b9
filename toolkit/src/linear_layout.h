// Shares one axis of a layout among its children.
#pragma once

#include <vector>

struct AxisItem {
    int fixedLength;  // 0: takes a share of what the fixed items leave
    int marginBefore;
    int marginAfter;
};

struct AxisSpan {
    int begin;
    int end;
};

// Places the items one after the other from start, gap apart; flexible items
// share the rest of length equally, the last one taking what division leaves.
std::vector<AxisSpan> DistributeAxis(int start, int length, int gap, const std::vector<AxisItem>& items);

// The span across the axis: the fixed length from the start, else the whole
// length, inside the margins.
AxisSpan CrossSpan(int start, int length, int fixedLength, int marginBefore, int marginAfter);
