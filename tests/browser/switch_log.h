// A file, shared by the test program and the engine sub-processes it starts,
// in which each sub-process writes the command line it got. The file's path
// travels to the sub-processes in an environment variable.
#pragma once

#include <string>
#include <vector>

struct SwitchLogEntry {
    std::wstring processType;
    std::wstring commandLine;
};

// In the test program: names a new, empty log. In a sub-process, which
// inherits the name, does nothing.
void StartSwitchLogUnlessInherited();
void AppendToSwitchLog(const std::wstring& processType, const std::wstring& commandLine);
std::vector<SwitchLogEntry> ReadSwitchLog();
