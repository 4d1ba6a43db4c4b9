// Where the benchmark programs and their helper programs are.
#pragma once

#include <string>

// The folder of the running program, a Windows path without a trailing backslash.
std::wstring BenchFolder();
