// What the engine is doing in this process, as far as the process functions
// and the message loop need to know.
#pragma once

namespace engine_internal {

enum class EngineMode {
    kNotStarted,
    kSingleThreadedLoop,
    kMultiThreadedLoop,
    // Shut down, or its start failed: the engine cannot be started again.
    kEnded,
};

// Read on any thread; changed only by CefInitialize and CefShutdown on the main thread.
EngineMode CurrentEngineMode();
void SetEngineMode(EngineMode mode);

}  // namespace engine_internal
