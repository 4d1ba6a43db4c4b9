// The scale the engine draws pages at, where the engine has to be told.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The value of the engine's "force-device-scale-factor" switch for the
// system's DPI, or nothing where the engine's own choice is right. Above
// 125 % this engine draws pages at the system's scale by itself; from just
// above 100 % up to 125 % it draws them at 100 %, smaller than the windows
// laid out around them at the system's scale.
std::optional<std::wstring> ForcedPageScale(UINT systemDpi);

// The system's DPI, as this process sees it.
UINT ProcessSystemDpi();
