// Records the launcher fills in and hands to the engine, declared for this layer.
#pragma once

#include "capi/capi_base.h"
#include "engine/cef_types.h"

#include <windows.h>

extern "C" {

struct cef_main_args_t {
    HINSTANCE instance;
};

struct cef_settings_t {
    std::size_t size;
    int single_process;
    int no_sandbox;
    cef_string_t browser_subprocess_path;
    int multi_threaded_message_loop;
    int windowless_rendering_enabled;
    int command_line_args_disabled;
    cef_string_t cache_path;
    cef_string_t user_data_path;
    int persist_session_cookies;
    cef_string_t user_agent;
    cef_string_t product_version;
    cef_string_t locale;
    cef_string_t log_file;
    cef_log_severity_t log_severity;
    cef_string_t javascript_flags;
    cef_string_t resources_dir_path;
    cef_string_t locales_dir_path;
    int pack_loading_disabled;
    int remote_debugging_port;
    int uncaught_exception_stack_size;
    int context_safety_implementation;
    int ignore_certificate_errors;
    cef_color_t background_color;
    cef_string_t accept_language_list;
};

struct cef_window_info_t {
    DWORD ex_style;
    cef_string_t window_name;
    DWORD style;
    int x;
    int y;
    int width;
    int height;
    HWND parent_window;
    HMENU menu;
    int windowless_rendering_enabled;
    int transparent_painting_enabled;
    HWND window;
};

struct cef_browser_settings_t {
    std::size_t size;
    int windowless_frame_rate;
    cef_string_t standard_font_family;
    cef_string_t fixed_font_family;
    cef_string_t serif_font_family;
    cef_string_t sans_serif_font_family;
    cef_string_t cursive_font_family;
    cef_string_t fantasy_font_family;
    int default_font_size;
    int default_fixed_font_size;
    int minimum_font_size;
    int minimum_logical_font_size;
    cef_string_t default_encoding;
    cef_state_t remote_fonts;
    cef_state_t javascript;
    cef_state_t javascript_open_windows;
    cef_state_t javascript_close_windows;
    cef_state_t javascript_access_clipboard;
    cef_state_t javascript_dom_paste;
    cef_state_t caret_browsing;
    cef_state_t java;
    cef_state_t plugins;
    cef_state_t universal_access_from_file_urls;
    cef_state_t file_access_from_file_urls;
    cef_state_t web_security;
    cef_state_t image_loading;
    cef_state_t image_shrink_standalone_to_fit;
    cef_state_t text_area_resize;
    cef_state_t tab_to_links;
    cef_state_t local_storage;
    cef_state_t databases;
    cef_state_t application_cache;
    cef_state_t webgl;
    cef_color_t background_color;
    cef_string_t accept_language_list;
};

struct cef_popup_features_t {
    int x;
    int xSet;
    int y;
    int ySet;
    int width;
    int widthSet;
    int height;
    int heightSet;
    int menuBarVisible;
    int statusBarVisible;
    int toolBarVisible;
    int locationBarVisible;
    int scrollbarsVisible;
    int resizable;
    int fullscreen;
    int dialog;
    cef_string_list_t additionalFeatures;
};

// An address taken apart (cef_parse_url); the engine sets every part with a
// copy the caller frees.
struct cef_urlparts_t {
    cef_string_t whole;
    cef_string_t scheme;
    cef_string_t username;
    cef_string_t password;
    cef_string_t host;
    cef_string_t port;
    cef_string_t origin;
    cef_string_t path;
    cef_string_t query;
};

int cef_parse_url(const cef_string_t* url, cef_urlparts_t* parts);

}  // extern "C"
