// The bare engine host (bare_engine_host.exe): the engine with the launcher's
// application object and settings, one plain window and one browser on the
// launcher's login page, and nothing else. Its window is a
// PlainBrowserWindow with this caption; closing it ends the program.
#pragma once

inline constexpr wchar_t kBareEngineHostExecutable[] = L"bare_engine_host.exe";
inline constexpr wchar_t kBareEngineHostCaption[] = L"Bare engine host";
