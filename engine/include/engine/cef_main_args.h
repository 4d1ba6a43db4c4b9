// What the process entry hands to the engine: the module instance.
#pragma once

#include <windows.h>

struct CefMainArgs {
    CefMainArgs() = default;
    explicit CefMainArgs(HINSTANCE moduleInstance) : instance(moduleInstance) {}

    HINSTANCE instance = nullptr;
};
