// The debug strings CefShutdown sends immediately before and after the
// engine's own shut-down call. Under Wine that call faults or hangs now and
// then; the test runner (scripts/run-test, which reads the texts from this
// file) tells such a fault from one of the program by these two lines.
// Our own preparation, closing the open browsers, comes before the stretch
// they mark; when it fails, the third string says so before the stretch
// begins, and the runner counts that against the program, never the engine.
#pragma once

namespace engine_internal {

inline constexpr char kEngineShutdownBegins[] = "=== engine shutdown begins ===";
inline constexpr char kEngineShutdownEnds[] = "=== engine shutdown ends ===";
inline constexpr char kBrowsersStillOpenAtShutdown[] = "=== browsers still open at engine shutdown ===";

}  // namespace engine_internal
