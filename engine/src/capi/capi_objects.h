// Objects the engine implements and hands to the launcher, declared for this
// layer. Each table is declared only up to the last slot the layer calls
// (these tables are never allocated here); unused slots are placeholders.
#pragma once

#include "capi/capi_base.h"
#include "capi/capi_values.h"

extern "C" {

struct cef_browser_host_t;
struct cef_frame_t;
struct cef_client_t;
struct cef_string_visitor_t;

// Engine objects the layer only holds and releases.
struct cef_list_value_t { cef_base_t base; };
struct cef_v8context_t { cef_base_t base; };
struct cef_v8exception_t { cef_base_t base; };
struct cef_v8stack_trace_t { cef_base_t base; };
struct cef_domnode_t { cef_base_t base; };
struct cef_menu_model_t { cef_base_t base; };
struct cef_context_menu_params_t { cef_base_t base; };
struct cef_response_t { cef_base_t base; };
struct cef_sslinfo_t { cef_base_t base; };
struct cef_request_context_t { cef_base_t base; };

struct cef_browser_t {
    cef_base_t base;
    cef_browser_host_t*(ENGINE_CALLBACK* get_host)(cef_browser_t* self);
    cef_unused_slot_t can_go_back;
    cef_unused_slot_t go_back;
    cef_unused_slot_t can_go_forward;
    cef_unused_slot_t go_forward;
    cef_unused_slot_t is_loading;
    void(ENGINE_CALLBACK* reload)(cef_browser_t* self);
    cef_unused_slot_t reload_ignore_cache;
    cef_unused_slot_t stop_load;
    int(ENGINE_CALLBACK* get_identifier)(cef_browser_t* self);
    int(ENGINE_CALLBACK* is_same)(cef_browser_t* self, cef_browser_t* that);
    cef_unused_slot_t is_popup;
    cef_unused_slot_t has_document;
    cef_frame_t*(ENGINE_CALLBACK* get_main_frame)(cef_browser_t* self);
};

struct cef_browser_host_t {
    cef_base_t base;
    cef_unused_slot_t get_browser;
    void(ENGINE_CALLBACK* close_browser)(cef_browser_host_t* self, int force_close);
    void(ENGINE_CALLBACK* set_focus)(cef_browser_host_t* self, int focus);
    cef_unused_slot_t set_window_visibility;
    HWND(ENGINE_CALLBACK* get_window_handle)(cef_browser_host_t* self);
};

struct cef_frame_t {
    cef_base_t base;
    cef_unused_slot_t is_valid;
    cef_unused_slot_t undo;
    cef_unused_slot_t redo;
    cef_unused_slot_t cut;
    cef_unused_slot_t copy;
    cef_unused_slot_t paste;
    cef_unused_slot_t del;
    cef_unused_slot_t select_all;
    cef_unused_slot_t view_source;
    void(ENGINE_CALLBACK* get_source)(cef_frame_t* self, cef_string_visitor_t* visitor);
    void(ENGINE_CALLBACK* get_text)(cef_frame_t* self, cef_string_visitor_t* visitor);
    cef_unused_slot_t load_request;
    void(ENGINE_CALLBACK* load_url)(cef_frame_t* self, const cef_string_t* url);
    void(ENGINE_CALLBACK* load_string)(cef_frame_t* self, const cef_string_t* string_val, const cef_string_t* url);
    void(ENGINE_CALLBACK* execute_java_script)(cef_frame_t* self, const cef_string_t* code,
                                               const cef_string_t* script_url, int start_line);
    int(ENGINE_CALLBACK* is_main)(cef_frame_t* self);
    cef_unused_slot_t is_focused;
    cef_unused_slot_t get_name;
    cef_unused_slot_t get_identifier;
    cef_unused_slot_t get_parent;
    cef_string_userfree_t(ENGINE_CALLBACK* get_url)(cef_frame_t* self);
};

struct cef_request_t {
    cef_base_t base;
    cef_unused_slot_t is_read_only;
    cef_string_userfree_t(ENGINE_CALLBACK* get_url)(cef_request_t* self);
    cef_unused_slot_t set_url;
    cef_unused_slot_t get_method;
    cef_unused_slot_t set_method;
    cef_unused_slot_t get_post_data;
    cef_unused_slot_t set_post_data;
    cef_unused_slot_t get_header_map;
    cef_unused_slot_t set_header_map;
    cef_unused_slot_t set;
    cef_unused_slot_t get_flags;
    cef_unused_slot_t set_flags;
    cef_unused_slot_t get_first_party_for_cookies;
    cef_unused_slot_t set_first_party_for_cookies;
    cef_resource_type_t(ENGINE_CALLBACK* get_resource_type)(cef_request_t* self);
};

struct cef_command_line_t {
    cef_base_t base;
    cef_unused_slot_t is_valid;
    cef_unused_slot_t is_read_only;
    cef_unused_slot_t copy;
    cef_unused_slot_t init_from_argv;
    cef_unused_slot_t init_from_string;
    cef_unused_slot_t reset;
    cef_unused_slot_t get_argv;
    cef_string_userfree_t(ENGINE_CALLBACK* get_command_line_string)(cef_command_line_t* self);
    cef_unused_slot_t get_program;
    cef_unused_slot_t set_program;
    cef_unused_slot_t has_switches;
    int(ENGINE_CALLBACK* has_switch)(cef_command_line_t* self, const cef_string_t* name);
    cef_unused_slot_t get_switch_value;
    cef_unused_slot_t get_switches;
    void(ENGINE_CALLBACK* append_switch)(cef_command_line_t* self, const cef_string_t* name);
    void(ENGINE_CALLBACK* append_switch_with_value)(cef_command_line_t* self, const cef_string_t* name,
                                                    const cef_string_t* value);
};

struct cef_process_message_t {
    cef_base_t base;
    cef_unused_slot_t is_valid;
    cef_unused_slot_t is_read_only;
    cef_unused_slot_t copy;
    cef_string_userfree_t(ENGINE_CALLBACK* get_name)(cef_process_message_t* self);
};

struct cef_scheme_registrar_t {
    cef_base_t base;
    int(ENGINE_CALLBACK* add_custom_scheme)(cef_scheme_registrar_t* self, const cef_string_t* scheme_name,
                                            int is_standard, int is_local, int is_display_isolated);
};

// Engine-allocated; declared up to the last slot this layer calls.
struct cef_download_item_t {
    cef_base_t base;
    cef_unused_slot_t is_valid;
    cef_unused_slot_t is_in_progress;
    cef_unused_slot_t is_complete;
    cef_unused_slot_t is_canceled;
    cef_unused_slot_t get_current_speed;
    cef_unused_slot_t get_percent_complete;
    cef_unused_slot_t get_total_bytes;
    cef_unused_slot_t get_received_bytes;
    cef_unused_slot_t get_start_time;
    cef_unused_slot_t get_end_time;
    cef_unused_slot_t get_full_path;
    cef_unused_slot_t get_id;
    cef_string_userfree_t(ENGINE_CALLBACK* get_url)(cef_download_item_t* self);
};

struct cef_before_download_callback_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* cont)(cef_before_download_callback_t* self, const cef_string_t* download_path,
                                int show_dialog);
};

struct cef_request_callback_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* cont)(cef_request_callback_t* self, int allow);
    void(ENGINE_CALLBACK* cancel)(cef_request_callback_t* self);
};

struct cef_auth_callback_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* cont)(cef_auth_callback_t* self, const cef_string_t* username, const cef_string_t* password);
    void(ENGINE_CALLBACK* cancel)(cef_auth_callback_t* self);
};

struct cef_jsdialog_callback_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* cont)(cef_jsdialog_callback_t* self, int success, const cef_string_t* user_input);
};

struct cef_geolocation_callback_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* cont)(cef_geolocation_callback_t* self, int allow);
};

struct cef_run_context_menu_callback_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* cont)(cef_run_context_menu_callback_t* self, int command_id, cef_event_flags_t event_flags);
    void(ENGINE_CALLBACK* cancel)(cef_run_context_menu_callback_t* self);
};

cef_command_line_t* cef_command_line_get_global();

int cef_browser_host_create_browser(const cef_window_info_t* windowInfo, cef_client_t* client, const cef_string_t* url,
                                    const cef_browser_settings_t* settings, cef_request_context_t* request_context);

}  // extern "C"
