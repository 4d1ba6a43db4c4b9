// The stand-in's own functions; make_other_engine_stubs.cmake writes the others.
#include "other_engine_libcef.h"

#include <cstdio>
#include <cstdlib>

namespace otherengine {

void CalledUnexpectedly(const char* function)
{
    std::fprintf(stderr, "the stand-in engine library's %s was called: the engine would have run\n", function);
    std::fflush(stderr);
    std::abort();
}

}  // namespace otherengine

extern "C" __declspec(dllexport) const char* cef_api_hash(int)
{
    return otherengine::kApiHash;
}
