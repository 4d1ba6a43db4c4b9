// The bare engine host (bare_engine_host.exe): the engine with the launcher's
// application object and settings, one plain window and one browser on the
// launcher's login page, and nothing else. Its window is a
// PlainBrowserWindow with this caption; closing it ends the program.
//
// The login page's navigation to a game address goes on in that browser,
// unless the host is started with kBareEngineHostNewWindowSwitch: then it
// opens the address in a new plain window (kBareEngineHostGameCaption) with a
// browser of its own, the least the launcher's hand-over must do.
// kBareEngineHostAddressSwitch=<address> and kBareEngineHostSizeSwitch=<W>x<H>
// show another page than the login page, and at another size.
#pragma once

inline constexpr wchar_t kBareEngineHostExecutable[] = L"bare_engine_host.exe";
inline constexpr wchar_t kBareEngineHostCaption[] = L"Bare engine host";
inline constexpr wchar_t kBareEngineHostGameCaption[] = L"Bare engine host game";
inline constexpr wchar_t kBareEngineHostNewWindowSwitch[] = L"--game-in-new-window";
inline constexpr wchar_t kBareEngineHostAddressSwitch[] = L"--address";
inline constexpr wchar_t kBareEngineHostSizeSwitch[] = L"--size";
