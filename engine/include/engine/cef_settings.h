// The engine's start-up settings. Members keep the engine's names; every
// member left alone stays zero or empty. The record size the engine expects is
// filled in by CefInitialize.
#pragma once

#include "engine/cef_string.h"
#include "engine/cef_types.h"

struct CefSettings {
    int single_process = 0;
    int no_sandbox = 0;
    CefString browser_subprocess_path;
    int multi_threaded_message_loop = 0;
    int windowless_rendering_enabled = 0;
    int command_line_args_disabled = 0;
    CefString cache_path;
    CefString user_data_path;
    int persist_session_cookies = 0;
    CefString user_agent;
    CefString product_version;
    CefString locale;
    CefString log_file;
    cef_log_severity_t log_severity = LOGSEVERITY_DEFAULT;
    CefString javascript_flags;
    CefString resources_dir_path;
    CefString locales_dir_path;
    int pack_loading_disabled = 0;
    int remote_debugging_port = 0;
    int uncaught_exception_stack_size = 0;
    int context_safety_implementation = 0;
    int ignore_certificate_errors = 0;
    cef_color_t background_color = 0;
    CefString accept_language_list;
};
