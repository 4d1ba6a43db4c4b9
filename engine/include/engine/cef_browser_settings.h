// Per-browser settings. Members keep the engine's names; the defaults leave
// every choice to the engine. The record size is filled in when it is handed over.
#pragma once

#include "engine/cef_string.h"
#include "engine/cef_types.h"

struct CefBrowserSettings {
    int windowless_frame_rate = 0;
    CefString standard_font_family;
    CefString fixed_font_family;
    CefString serif_font_family;
    CefString sans_serif_font_family;
    CefString cursive_font_family;
    CefString fantasy_font_family;
    int default_font_size = 0;
    int default_fixed_font_size = 0;
    int minimum_font_size = 0;
    int minimum_logical_font_size = 0;
    CefString default_encoding;
    cef_state_t remote_fonts = STATE_DEFAULT;
    cef_state_t javascript = STATE_DEFAULT;
    cef_state_t javascript_open_windows = STATE_DEFAULT;
    cef_state_t javascript_close_windows = STATE_DEFAULT;
    cef_state_t javascript_access_clipboard = STATE_DEFAULT;
    cef_state_t javascript_dom_paste = STATE_DEFAULT;
    cef_state_t caret_browsing = STATE_DEFAULT;
    cef_state_t java = STATE_DEFAULT;
    cef_state_t plugins = STATE_DEFAULT;
    cef_state_t universal_access_from_file_urls = STATE_DEFAULT;
    cef_state_t file_access_from_file_urls = STATE_DEFAULT;
    cef_state_t web_security = STATE_DEFAULT;
    cef_state_t image_loading = STATE_DEFAULT;
    cef_state_t image_shrink_standalone_to_fit = STATE_DEFAULT;
    cef_state_t text_area_resize = STATE_DEFAULT;
    cef_state_t tab_to_links = STATE_DEFAULT;
    cef_state_t local_storage = STATE_DEFAULT;
    cef_state_t databases = STATE_DEFAULT;
    cef_state_t application_cache = STATE_DEFAULT;
    cef_state_t webgl = STATE_DEFAULT;
    cef_color_t background_color = 0;
    CefString accept_language_list;
};
