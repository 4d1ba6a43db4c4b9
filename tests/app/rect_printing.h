// Window rectangles in test expectations: compared by value, printed as
// "(left, top, right, bottom)".
#pragma once

#include <windows.h>

#include <ostream>

inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline bool operator!=(const RECT& a, const RECT& b)
{
    return !(a == b);
}

inline void PrintTo(const RECT& rect, std::ostream* out)
{
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}
