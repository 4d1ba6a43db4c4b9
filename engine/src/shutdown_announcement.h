// The debug strings CefShutdown sends immediately before and after the
// engine's own shut-down call. Under Wine that call faults or hangs now and
// then; the test runner (scripts/run-test, which reads the texts from this
// file) tells such a fault from one of the program by these two lines.
#pragma once

namespace engine_internal {

inline constexpr char kEngineShutdownBegins[] = "=== engine shutdown begins ===";
inline constexpr char kEngineShutdownEnds[] = "=== engine shutdown ends ===";

}  // namespace engine_internal
