// The main function of a test program that runs the engine. The engine starts
// the test executable again for its renderer and GPU processes; this hands
// such a process to the engine at once. In the test process itself it
// initialises the engine once, runs every test, then shuts the engine down.
#pragma once

#include "engine/cef_app.h"
#include "engine/cef_settings.h"

namespace testsupport {

// Call from main. Returns the sub-process's exit code in an engine
// sub-process; otherwise the tests' result (1 also when the engine did not start).
int RunEngineTestMain(int argc, char** argv, CefRefPtr<CefApp> app, const CefSettings& settings);

}  // namespace testsupport
