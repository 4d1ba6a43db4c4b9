// Why the launcher could not start its browser engine, and what the player is
// told about it.
#pragma once

#include <string>

enum class StartFailure {
    // A file the engine cannot start without is missing beside the executable.
    MissingEngineFile,
    // The engine library is of another version than the launcher was built for.
    OtherEngineVersion,
    // The engine refused to start.
    EngineDidNotStart,
};

// The message box text, in Chinese; missingFile names the file for MissingEngineFile.
std::wstring StartFailureText(StartFailure failure, const std::wstring& missingFile = std::wstring());
// The program's exit code for the failure: never 0.
int StartFailureExitCode(StartFailure failure);
// Tells the player in a message box and waits until it is closed.
void ShowStartFailure(StartFailure failure, const std::wstring& missingFile = std::wstring());
