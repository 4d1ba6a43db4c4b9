// The high-resolution clock the benchmarks time with, in milliseconds.
#pragma once

#include <windows.h>

double NowMs();
// A QueryPerformanceCounter reading on the same scale as NowMs.
double TicksToMs(LONGLONG ticks);
