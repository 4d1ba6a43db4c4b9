// The engine interface this layer was written for, and the check that the
// loaded engine library offers exactly that interface.
#pragma once

#include "engine/cef_app.h"

namespace engine_internal {

// The platform interface hash of engine 3.2454.1344.
constexpr char kEngineApiHash[] = "66b3cacab3812623bf9f2ecf96847f222ce8869e";

// Whether the engine library reports expectedApiHash as its interface hash.
bool ApiHashMatches(const char* expectedApiHash);

// CefExecuteProcess against a given expected hash: 0 without calling the
// engine when the hashes differ.
int ExecuteProcessIfCompatible(const CefMainArgs& args, CefRefPtr<CefApp> application, void* windowsSandboxInfo,
                               const char* expectedApiHash);

}  // namespace engine_internal
