// The settings every launcher browser is created with.
#pragma once

#include "engine/cef_browser_settings.h"

// The engine's defaults, with file access from file addresses and local
// storage enabled.
CefBrowserSettings LauncherBrowserSettings();
