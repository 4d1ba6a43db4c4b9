// How the toolkit writes a failure code in a skin problem.
#pragma once

#include <windows.h>

#include <string>

// "error 0x80070002"
std::wstring HresultText(HRESULT hr);
