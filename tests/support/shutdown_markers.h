// Lines that mark the stretch in which a test program ends the engine (its
// own or the launcher's). The engine faults or hangs there now and then under
// Wine; scripts/run-test runs a program again when that is all that went wrong.
#pragma once

#include <cstdio>

namespace testsupport {

inline constexpr char kShutdownBegins[] = "=== engine shutdown begins ===";
inline constexpr char kShutdownEnds[] = "=== engine shutdown ends ===";

inline void PrintMarker(const char* marker)
{
    std::printf("%s\n", marker);
    std::fflush(stdout);
}

}  // namespace testsupport
