// The handler tables the launcher implements, declared for this layer. These
// tables are allocated here, so they are declared whole.
#pragma once

#include "capi/capi_base.h"
#include "capi/capi_objects.h"
#include "capi/capi_values.h"

extern "C" {

// A handler whose callbacks this layer does not offer: only the base. Its
// recorded size tells the engine that no callback is present, so the engine
// applies its defaults to all of them.
struct cef_plain_handler_t {
    cef_base_t base;
};

struct cef_string_visitor_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* visit)(cef_string_visitor_t* self, const cef_string_t* string);
};

struct cef_display_handler_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* on_address_change)(cef_display_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                             const cef_string_t* url);
    void(ENGINE_CALLBACK* on_title_change)(cef_display_handler_t* self, cef_browser_t* browser,
                                           const cef_string_t* title);
    void(ENGINE_CALLBACK* on_favicon_urlchange)(cef_display_handler_t* self, cef_browser_t* browser,
                                                cef_string_list_t icon_urls);
    void(ENGINE_CALLBACK* on_fullscreen_mode_change)(cef_display_handler_t* self, cef_browser_t* browser,
                                                     int fullscreen);
    int(ENGINE_CALLBACK* on_tooltip)(cef_display_handler_t* self, cef_browser_t* browser, cef_string_t* text);
    void(ENGINE_CALLBACK* on_status_message)(cef_display_handler_t* self, cef_browser_t* browser,
                                             const cef_string_t* value);
    int(ENGINE_CALLBACK* on_console_message)(cef_display_handler_t* self, cef_browser_t* browser,
                                             const cef_string_t* message, const cef_string_t* source, int line);
};

struct cef_focus_handler_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* on_take_focus)(cef_focus_handler_t* self, cef_browser_t* browser, int next);
    int(ENGINE_CALLBACK* on_set_focus)(cef_focus_handler_t* self, cef_browser_t* browser,
                                       cef_focus_source_t source);
    void(ENGINE_CALLBACK* on_got_focus)(cef_focus_handler_t* self, cef_browser_t* browser);
};

struct cef_download_handler_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* on_before_download)(cef_download_handler_t* self, cef_browser_t* browser,
                                              cef_download_item_t* download_item, const cef_string_t* suggested_name,
                                              cef_before_download_callback_t* callback);
    // Left empty: the engine skips a missing callback.
    cef_unused_slot_t on_download_updated;
};

struct cef_keyboard_handler_t {
    cef_base_t base;
    int(ENGINE_CALLBACK* on_pre_key_event)(cef_keyboard_handler_t* self, cef_browser_t* browser,
                                           const cef_key_event_t* event, MSG* os_event, int* is_keyboard_shortcut);
    int(ENGINE_CALLBACK* on_key_event)(cef_keyboard_handler_t* self, cef_browser_t* browser,
                                       const cef_key_event_t* event, MSG* os_event);
};

struct cef_life_span_handler_t {
    cef_base_t base;
    int(ENGINE_CALLBACK* on_before_popup)(cef_life_span_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                          const cef_string_t* target_url, const cef_string_t* target_frame_name,
                                          cef_window_open_disposition_t target_disposition, int user_gesture,
                                          const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
                                          cef_client_t** client, cef_browser_settings_t* settings,
                                          int* no_javascript_access);
    void(ENGINE_CALLBACK* on_after_created)(cef_life_span_handler_t* self, cef_browser_t* browser);
    int(ENGINE_CALLBACK* run_modal)(cef_life_span_handler_t* self, cef_browser_t* browser);
    int(ENGINE_CALLBACK* do_close)(cef_life_span_handler_t* self, cef_browser_t* browser);
    void(ENGINE_CALLBACK* on_before_close)(cef_life_span_handler_t* self, cef_browser_t* browser);
};

struct cef_load_handler_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* on_loading_state_change)(cef_load_handler_t* self, cef_browser_t* browser, int isLoading,
                                                   int canGoBack, int canGoForward);
    void(ENGINE_CALLBACK* on_load_start)(cef_load_handler_t* self, cef_browser_t* browser, cef_frame_t* frame);
    void(ENGINE_CALLBACK* on_load_end)(cef_load_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                       int httpStatusCode);
    void(ENGINE_CALLBACK* on_load_error)(cef_load_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                         cef_errorcode_t errorCode, const cef_string_t* errorText,
                                         const cef_string_t* failedUrl);
};

struct cef_request_handler_t {
    cef_base_t base;
    int(ENGINE_CALLBACK* on_before_browse)(cef_request_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                           cef_request_t* request, int is_redirect);
    int(ENGINE_CALLBACK* on_open_urlfrom_tab)(cef_request_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                              const cef_string_t* target_url,
                                              cef_window_open_disposition_t target_disposition, int user_gesture);
    cef_return_value_t(ENGINE_CALLBACK* on_before_resource_load)(cef_request_handler_t* self, cef_browser_t* browser,
                                                                 cef_frame_t* frame, cef_request_t* request,
                                                                 cef_request_callback_t* callback);
    cef_plain_handler_t*(ENGINE_CALLBACK* get_resource_handler)(cef_request_handler_t* self, cef_browser_t* browser,
                                                                cef_frame_t* frame, cef_request_t* request);
    void(ENGINE_CALLBACK* on_resource_redirect)(cef_request_handler_t* self, cef_browser_t* browser,
                                                cef_frame_t* frame, cef_request_t* request, cef_string_t* new_url);
    int(ENGINE_CALLBACK* on_resource_response)(cef_request_handler_t* self, cef_browser_t* browser,
                                               cef_frame_t* frame, cef_request_t* request, cef_response_t* response);
    int(ENGINE_CALLBACK* get_auth_credentials)(cef_request_handler_t* self, cef_browser_t* browser,
                                               cef_frame_t* frame, int isProxy, const cef_string_t* host, int port,
                                               const cef_string_t* realm, const cef_string_t* scheme,
                                               cef_auth_callback_t* callback);
    int(ENGINE_CALLBACK* on_quota_request)(cef_request_handler_t* self, cef_browser_t* browser,
                                           const cef_string_t* origin_url, std::int64_t new_size,
                                           cef_request_callback_t* callback);
    void(ENGINE_CALLBACK* on_protocol_execution)(cef_request_handler_t* self, cef_browser_t* browser,
                                                 const cef_string_t* url, int* allow_os_execution);
    int(ENGINE_CALLBACK* on_certificate_error)(cef_request_handler_t* self, cef_browser_t* browser,
                                               cef_errorcode_t cert_error, const cef_string_t* request_url,
                                               cef_sslinfo_t* ssl_info, cef_request_callback_t* callback);
    void(ENGINE_CALLBACK* on_plugin_crashed)(cef_request_handler_t* self, cef_browser_t* browser,
                                             const cef_string_t* plugin_path);
    void(ENGINE_CALLBACK* on_render_view_ready)(cef_request_handler_t* self, cef_browser_t* browser);
    void(ENGINE_CALLBACK* on_render_process_terminated)(cef_request_handler_t* self, cef_browser_t* browser,
                                                        cef_termination_status_t status);
};

struct cef_jsdialog_handler_t {
    cef_base_t base;
    int(ENGINE_CALLBACK* on_jsdialog)(cef_jsdialog_handler_t* self, cef_browser_t* browser,
                                      const cef_string_t* origin_url, const cef_string_t* accept_lang,
                                      cef_jsdialog_type_t dialog_type, const cef_string_t* message_text,
                                      const cef_string_t* default_prompt_text, cef_jsdialog_callback_t* callback,
                                      int* suppress_message);
    int(ENGINE_CALLBACK* on_before_unload_dialog)(cef_jsdialog_handler_t* self, cef_browser_t* browser,
                                                  const cef_string_t* message_text, int is_reload,
                                                  cef_jsdialog_callback_t* callback);
    void(ENGINE_CALLBACK* on_reset_dialog_state)(cef_jsdialog_handler_t* self, cef_browser_t* browser);
    void(ENGINE_CALLBACK* on_dialog_closed)(cef_jsdialog_handler_t* self, cef_browser_t* browser);
};

struct cef_geolocation_handler_t {
    cef_base_t base;
    int(ENGINE_CALLBACK* on_request_geolocation_permission)(cef_geolocation_handler_t* self, cef_browser_t* browser,
                                                            const cef_string_t* requesting_url, int request_id,
                                                            cef_geolocation_callback_t* callback);
    void(ENGINE_CALLBACK* on_cancel_geolocation_permission)(cef_geolocation_handler_t* self, cef_browser_t* browser,
                                                            const cef_string_t* requesting_url, int request_id);
};

struct cef_render_process_handler_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* on_render_thread_created)(cef_render_process_handler_t* self, cef_list_value_t* extra_info);
    void(ENGINE_CALLBACK* on_web_kit_initialized)(cef_render_process_handler_t* self);
    void(ENGINE_CALLBACK* on_browser_created)(cef_render_process_handler_t* self, cef_browser_t* browser);
    void(ENGINE_CALLBACK* on_browser_destroyed)(cef_render_process_handler_t* self, cef_browser_t* browser);
    cef_load_handler_t*(ENGINE_CALLBACK* get_load_handler)(cef_render_process_handler_t* self);
    int(ENGINE_CALLBACK* on_before_navigation)(cef_render_process_handler_t* self, cef_browser_t* browser,
                                               cef_frame_t* frame, cef_request_t* request,
                                               cef_navigation_type_t navigation_type, int is_redirect);
    void(ENGINE_CALLBACK* on_context_created)(cef_render_process_handler_t* self, cef_browser_t* browser,
                                              cef_frame_t* frame, cef_v8context_t* context);
    void(ENGINE_CALLBACK* on_context_released)(cef_render_process_handler_t* self, cef_browser_t* browser,
                                               cef_frame_t* frame, cef_v8context_t* context);
    void(ENGINE_CALLBACK* on_uncaught_exception)(cef_render_process_handler_t* self, cef_browser_t* browser,
                                                 cef_frame_t* frame, cef_v8context_t* context,
                                                 cef_v8exception_t* exception, cef_v8stack_trace_t* stackTrace);
    void(ENGINE_CALLBACK* on_focused_node_changed)(cef_render_process_handler_t* self, cef_browser_t* browser,
                                                   cef_frame_t* frame, cef_domnode_t* node);
    int(ENGINE_CALLBACK* on_process_message_received)(cef_render_process_handler_t* self, cef_browser_t* browser,
                                                      cef_process_id_t source_process,
                                                      cef_process_message_t* message);
};

struct cef_context_menu_handler_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* on_before_context_menu)(cef_context_menu_handler_t* self, cef_browser_t* browser,
                                                  cef_frame_t* frame, cef_context_menu_params_t* params,
                                                  cef_menu_model_t* model);
    int(ENGINE_CALLBACK* run_context_menu)(cef_context_menu_handler_t* self, cef_browser_t* browser,
                                           cef_frame_t* frame, cef_context_menu_params_t* params,
                                           cef_menu_model_t* model, cef_run_context_menu_callback_t* callback);
    int(ENGINE_CALLBACK* on_context_menu_command)(cef_context_menu_handler_t* self, cef_browser_t* browser,
                                                  cef_frame_t* frame, cef_context_menu_params_t* params,
                                                  int command_id, cef_event_flags_t event_flags);
    void(ENGINE_CALLBACK* on_context_menu_dismissed)(cef_context_menu_handler_t* self, cef_browser_t* browser,
                                                     cef_frame_t* frame);
};

struct cef_client_t {
    cef_base_t base;
    cef_context_menu_handler_t*(ENGINE_CALLBACK* get_context_menu_handler)(cef_client_t* self);
    cef_plain_handler_t*(ENGINE_CALLBACK* get_dialog_handler)(cef_client_t* self);
    cef_display_handler_t*(ENGINE_CALLBACK* get_display_handler)(cef_client_t* self);
    cef_download_handler_t*(ENGINE_CALLBACK* get_download_handler)(cef_client_t* self);
    cef_plain_handler_t*(ENGINE_CALLBACK* get_drag_handler)(cef_client_t* self);
    cef_plain_handler_t*(ENGINE_CALLBACK* get_find_handler)(cef_client_t* self);
    cef_focus_handler_t*(ENGINE_CALLBACK* get_focus_handler)(cef_client_t* self);
    cef_geolocation_handler_t*(ENGINE_CALLBACK* get_geolocation_handler)(cef_client_t* self);
    cef_jsdialog_handler_t*(ENGINE_CALLBACK* get_jsdialog_handler)(cef_client_t* self);
    cef_keyboard_handler_t*(ENGINE_CALLBACK* get_keyboard_handler)(cef_client_t* self);
    cef_life_span_handler_t*(ENGINE_CALLBACK* get_life_span_handler)(cef_client_t* self);
    cef_load_handler_t*(ENGINE_CALLBACK* get_load_handler)(cef_client_t* self);
    cef_plain_handler_t*(ENGINE_CALLBACK* get_render_handler)(cef_client_t* self);
    cef_request_handler_t*(ENGINE_CALLBACK* get_request_handler)(cef_client_t* self);
    int(ENGINE_CALLBACK* on_process_message_received)(cef_client_t* self, cef_browser_t* browser,
                                                      cef_process_id_t source_process,
                                                      cef_process_message_t* message);
};

}  // extern "C"
