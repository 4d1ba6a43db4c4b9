// Login, game and close cycles in one launcher, and what the launcher holds
// after each: for the benchmark that prints the figures and the test that
// they settle.
#pragma once

#include "launcher_session.h"

#include <windows.h>

#include <string>
#include <vector>

namespace launchertest {

// What a process holds (see driver::GdiObjectCount and its neighbours).
struct HeldFigures {
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    SIZE_T privateBytes = 0;
    // The object counts had stopped changing when they were read.
    bool settled = false;
};

// The figures once the process's GDI and USER objects have stopped changing
// for a second; after a few seconds when they do not, then not settled.
HeldFigures SettledFiguresOf(HANDLE process);

// One cycle from the login windows with the login page shown: logs in with
// the account, waits for the game page, closes the game window with its
// close button and waits until the login windows and the login page are back.
// Returns an empty text, or what did not happen.
std::string RunGameCycle(LauncherSession& session, const std::wstring& account);

// The means of the last `count` cycles' figures divided by the first
// `count` cycles' ones.
struct SettlingRatios {
    double gdiObjects = 0;
    double userObjects = 0;
    double privateBytes = 0;
};
SettlingRatios LastToFirstRatios(const std::vector<HeldFigures>& cycles, size_t count);

}  // namespace launchertest
