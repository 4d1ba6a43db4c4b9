// The window features a page asked for when it opened a pop-up. Members keep
// the engine's names; a coordinate or size counts only when its ...Set flag is 1.
#pragma once

#include "engine/cef_string.h"

#include <vector>

struct CefPopupFeatures {
    int x = 0;
    int xSet = 0;
    int y = 0;
    int ySet = 0;
    int width = 0;
    int widthSet = 0;
    int height = 0;
    int heightSet = 0;
    int menuBarVisible = 0;
    int statusBarVisible = 0;
    int toolBarVisible = 0;
    int locationBarVisible = 0;
    int scrollbarsVisible = 0;
    int resizable = 0;
    int fullscreen = 0;
    int dialog = 0;
    std::vector<CefString> additionalFeatures;
};
