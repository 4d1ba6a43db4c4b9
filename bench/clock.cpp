#include "clock.h"

namespace {

LONGLONG Frequency()
{
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return frequency;
}

}  // namespace

double TicksToMs(LONGLONG ticks)
{
    return static_cast<double>(ticks) * 1000.0 / static_cast<double>(Frequency());
}

double NowMs()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return TicksToMs(now.QuadPart);
}
