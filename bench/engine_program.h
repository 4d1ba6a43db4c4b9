// Ending a program that runs the engine from a bench, sub-processes and all.
#pragma once

#include "driver.h"

#include <string>

// Ends the program and every process it started, and waits until no process
// of that image name is left; false when some are still there after 30 s.
bool EndEngineProgram(driver::Process& process, const std::wstring& imageName);
