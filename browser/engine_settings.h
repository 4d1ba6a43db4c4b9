// The settings the launcher starts the engine with.
#pragma once

#include "engine/cef_settings.h"

// The engine's multi-threaded message loop (its browser callbacks run on its
// own UI thread, so the toolkit's loop on the main thread drives every
// launcher window) and the locale "zh-CN".
CefSettings LauncherEngineSettings();
