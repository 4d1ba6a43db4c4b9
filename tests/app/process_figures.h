// What a running program holds of the system, read from another process: for
// telling whether repeated work leaks windows, GDI objects or memory.
#pragma once

#include <windows.h>

#include <cstddef>

struct ProcessFigures {
    // GetGuiResources; Wine 8 answers 0 for both.
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    // In-use entries of the GDI handle table that the process's environment
    // block points to (Wine keeps one such table per process).
    size_t gdiHandles = 0;
    // The process's windows: top-level, their descendants and message-only.
    size_t windows = 0;
    // The commit charge (private bytes); Wine reports the anonymous resident memory.
    SIZE_T privateBytes = 0;
};

// The process handle needs query and memory-reading rights.
ProcessFigures FiguresOf(HANDLE process, DWORD processId);
