// The two system-wide hot keys the settings file configures, read and decoded
// as the game window needs them each time it starts.
#pragma once

#include "settings/hot_key_code.h"

#include <optional>
#include <string>

struct ConfiguredHotKeys {
    // Leaves full-screen mode; Escape unless configured otherwise.
    std::optional<HotKey> fullScreen;
    // Hides the game window; F9 unless configured otherwise. Never Escape.
    std::optional<HotKey> boss;
};

// Reads "FullScreenHotKey" and then "BossHotKey" from the section "Config" of
// the settings file (empty: the launcher's own, the game window's choice) and
// decodes them. A key absent from the result is not to be registered.
ConfiguredHotKeys ReadConfiguredHotKeys(const std::wstring& settingsFile = std::wstring());
