// A stand-in libcef.dll with an interface hash no engine build has, for
// engine_interface_test: it exports every engine function engine/libcef.def
// lists. Only cef_api_hash answers; any other call ends the program.
#pragma once

namespace otherengine {

// The stand-in's interface hash.
constexpr char kApiHash[] = "fedcba9876543210fedcba9876543210fedcba98";

// Reports that the named engine function was called and ends the program.
[[noreturn]] void CalledUnexpectedly(const char* function);

}  // namespace otherengine
