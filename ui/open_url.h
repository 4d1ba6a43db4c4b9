// Opening a web address in the user's web browser.
#pragma once

#include <string>

// Asks the shell to open the address (the user's default web browser); when
// that fails, starts the system's "iexplore" with the address. Nothing is
// reported either way.
void OpenUrl(const std::wstring& address);
