// The game's name as the launcher shows it.
#pragma once

// Caption of the login and game windows.
inline constexpr wchar_t kGameTitle[] = L"Zarnith";
