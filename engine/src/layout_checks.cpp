// Compile-time checks that this layer's C declarations match the engine's
// layouts for both pointer sizes: record sizes, member offsets, and the
// offsets of every table slot the layer calls or fills.
#include "capi/capi_app.h"
#include "capi/capi_handlers.h"
#include "capi/capi_objects.h"
#include "capi/capi_values.h"

#include <cstddef>

namespace {

constexpr bool kIs64Bit = sizeof(void*) == 8;
static_assert(sizeof(void*) == 8 || sizeof(void*) == 4, "only 32-bit and 64-bit Windows are laid out here");

constexpr std::size_t Expected(std::size_t on64Bit, std::size_t on32Bit)
{
    return kIs64Bit ? on64Bit : on32Bit;
}

}  // namespace

#define ENGINE_CHECK_SIZE(type, on64Bit, on32Bit) \
    static_assert(sizeof(type) == Expected(on64Bit, on32Bit), "size of " #type)
#define ENGINE_CHECK_OFFSET(type, member, on64Bit, on32Bit) \
    static_assert(offsetof(type, member) == Expected(on64Bit, on32Bit), "offset of " #type "::" #member)

static_assert(sizeof(cef_errorcode_t) == 4 && sizeof(cef_state_t) == 4 && sizeof(cef_log_severity_t) == 4 &&
                  sizeof(cef_window_open_disposition_t) == 4 && sizeof(cef_return_value_t) == 4 &&
                  sizeof(cef_resource_type_t) == 4,
              "the engine's enumerations are 32-bit integers");
static_assert(RT_IMAGE == 4 && RT_XHR == 13 && RT_SERVICE_WORKER == 15, "the engine's resource types");
ENGINE_CHECK_SIZE(cef_main_args_t, 8, 4);
static_assert(sizeof(cef_thread_id_t) == 4 && TID_UI == 0, "the engine's thread identifiers");
ENGINE_CHECK_SIZE(cef_task_t, 40, 20);
ENGINE_CHECK_OFFSET(cef_task_t, execute, 32, 16);
ENGINE_CHECK_SIZE(cef_plain_handler_t, 32, 16);

ENGINE_CHECK_SIZE(cef_string_t, 24, 12);
ENGINE_CHECK_OFFSET(cef_string_t, str, 0, 0);
ENGINE_CHECK_OFFSET(cef_string_t, length, 8, 4);
ENGINE_CHECK_SIZE(cef_urlparts_t, 9 * 24, 9 * 12);
ENGINE_CHECK_OFFSET(cef_urlparts_t, host, 4 * 24, 4 * 12);
ENGINE_CHECK_OFFSET(cef_urlparts_t, query, 8 * 24, 8 * 12);
ENGINE_CHECK_OFFSET(cef_string_t, dtor, 16, 8);
ENGINE_CHECK_SIZE(cef_base_t, 32, 16);
ENGINE_CHECK_OFFSET(cef_base_t, size, 0, 0);
ENGINE_CHECK_OFFSET(cef_base_t, add_ref, 8, 4);
ENGINE_CHECK_OFFSET(cef_base_t, release, 16, 8);
ENGINE_CHECK_OFFSET(cef_base_t, has_one_ref, 24, 12);
ENGINE_CHECK_SIZE(cef_settings_t, 336, 188);
ENGINE_CHECK_OFFSET(cef_settings_t, size, 0, 0);
ENGINE_CHECK_OFFSET(cef_settings_t, single_process, 8, 4);
ENGINE_CHECK_OFFSET(cef_settings_t, no_sandbox, 12, 8);
ENGINE_CHECK_OFFSET(cef_settings_t, browser_subprocess_path, 16, 12);
ENGINE_CHECK_OFFSET(cef_settings_t, multi_threaded_message_loop, 40, 24);
ENGINE_CHECK_OFFSET(cef_settings_t, windowless_rendering_enabled, 44, 28);
ENGINE_CHECK_OFFSET(cef_settings_t, command_line_args_disabled, 48, 32);
ENGINE_CHECK_OFFSET(cef_settings_t, cache_path, 56, 36);
ENGINE_CHECK_OFFSET(cef_settings_t, user_data_path, 80, 48);
ENGINE_CHECK_OFFSET(cef_settings_t, persist_session_cookies, 104, 60);
ENGINE_CHECK_OFFSET(cef_settings_t, user_agent, 112, 64);
ENGINE_CHECK_OFFSET(cef_settings_t, product_version, 136, 76);
ENGINE_CHECK_OFFSET(cef_settings_t, locale, 160, 88);
ENGINE_CHECK_OFFSET(cef_settings_t, log_file, 184, 100);
ENGINE_CHECK_OFFSET(cef_settings_t, log_severity, 208, 112);
ENGINE_CHECK_OFFSET(cef_settings_t, javascript_flags, 216, 116);
ENGINE_CHECK_OFFSET(cef_settings_t, resources_dir_path, 240, 128);
ENGINE_CHECK_OFFSET(cef_settings_t, locales_dir_path, 264, 140);
ENGINE_CHECK_OFFSET(cef_settings_t, pack_loading_disabled, 288, 152);
ENGINE_CHECK_OFFSET(cef_settings_t, remote_debugging_port, 292, 156);
ENGINE_CHECK_OFFSET(cef_settings_t, uncaught_exception_stack_size, 296, 160);
ENGINE_CHECK_OFFSET(cef_settings_t, context_safety_implementation, 300, 164);
ENGINE_CHECK_OFFSET(cef_settings_t, ignore_certificate_errors, 304, 168);
ENGINE_CHECK_OFFSET(cef_settings_t, background_color, 308, 172);
ENGINE_CHECK_OFFSET(cef_settings_t, accept_language_list, 312, 176);
ENGINE_CHECK_SIZE(cef_window_info_t, 88, 56);
ENGINE_CHECK_OFFSET(cef_window_info_t, ex_style, 0, 0);
ENGINE_CHECK_OFFSET(cef_window_info_t, window_name, 8, 4);
ENGINE_CHECK_OFFSET(cef_window_info_t, style, 32, 16);
ENGINE_CHECK_OFFSET(cef_window_info_t, x, 36, 20);
ENGINE_CHECK_OFFSET(cef_window_info_t, y, 40, 24);
ENGINE_CHECK_OFFSET(cef_window_info_t, width, 44, 28);
ENGINE_CHECK_OFFSET(cef_window_info_t, height, 48, 32);
ENGINE_CHECK_OFFSET(cef_window_info_t, parent_window, 56, 36);
ENGINE_CHECK_OFFSET(cef_window_info_t, menu, 64, 40);
ENGINE_CHECK_OFFSET(cef_window_info_t, windowless_rendering_enabled, 72, 44);
ENGINE_CHECK_OFFSET(cef_window_info_t, transparent_painting_enabled, 76, 48);
ENGINE_CHECK_OFFSET(cef_window_info_t, window, 80, 52);
ENGINE_CHECK_SIZE(cef_browser_settings_t, 312, 204);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, size, 0, 0);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, windowless_frame_rate, 8, 4);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, standard_font_family, 16, 8);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, fixed_font_family, 40, 20);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, serif_font_family, 64, 32);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, sans_serif_font_family, 88, 44);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, cursive_font_family, 112, 56);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, fantasy_font_family, 136, 68);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, default_font_size, 160, 80);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, default_fixed_font_size, 164, 84);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, minimum_font_size, 168, 88);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, minimum_logical_font_size, 172, 92);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, default_encoding, 176, 96);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, remote_fonts, 200, 108);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, javascript, 204, 112);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, javascript_open_windows, 208, 116);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, javascript_close_windows, 212, 120);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, javascript_access_clipboard, 216, 124);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, javascript_dom_paste, 220, 128);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, caret_browsing, 224, 132);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, java, 228, 136);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, plugins, 232, 140);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, universal_access_from_file_urls, 236, 144);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, file_access_from_file_urls, 240, 148);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, web_security, 244, 152);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, image_loading, 248, 156);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, image_shrink_standalone_to_fit, 252, 160);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, text_area_resize, 256, 164);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, tab_to_links, 260, 168);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, local_storage, 264, 172);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, databases, 268, 176);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, application_cache, 272, 180);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, webgl, 276, 184);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, background_color, 280, 188);
ENGINE_CHECK_OFFSET(cef_browser_settings_t, accept_language_list, 288, 192);
ENGINE_CHECK_SIZE(cef_popup_features_t, 72, 68);
ENGINE_CHECK_OFFSET(cef_popup_features_t, x, 0, 0);
ENGINE_CHECK_OFFSET(cef_popup_features_t, xSet, 4, 4);
ENGINE_CHECK_OFFSET(cef_popup_features_t, y, 8, 8);
ENGINE_CHECK_OFFSET(cef_popup_features_t, ySet, 12, 12);
ENGINE_CHECK_OFFSET(cef_popup_features_t, width, 16, 16);
ENGINE_CHECK_OFFSET(cef_popup_features_t, widthSet, 20, 20);
ENGINE_CHECK_OFFSET(cef_popup_features_t, height, 24, 24);
ENGINE_CHECK_OFFSET(cef_popup_features_t, heightSet, 28, 28);
ENGINE_CHECK_OFFSET(cef_popup_features_t, menuBarVisible, 32, 32);
ENGINE_CHECK_OFFSET(cef_popup_features_t, statusBarVisible, 36, 36);
ENGINE_CHECK_OFFSET(cef_popup_features_t, toolBarVisible, 40, 40);
ENGINE_CHECK_OFFSET(cef_popup_features_t, locationBarVisible, 44, 44);
ENGINE_CHECK_OFFSET(cef_popup_features_t, scrollbarsVisible, 48, 48);
ENGINE_CHECK_OFFSET(cef_popup_features_t, resizable, 52, 52);
ENGINE_CHECK_OFFSET(cef_popup_features_t, fullscreen, 56, 56);
ENGINE_CHECK_OFFSET(cef_popup_features_t, dialog, 60, 60);
ENGINE_CHECK_OFFSET(cef_popup_features_t, additionalFeatures, 64, 64);

ENGINE_CHECK_OFFSET(cef_browser_t, get_host, 32, 16);
ENGINE_CHECK_OFFSET(cef_browser_t, reload, 80, 40);
ENGINE_CHECK_OFFSET(cef_browser_t, get_identifier, 104, 52);
ENGINE_CHECK_OFFSET(cef_browser_t, is_same, 112, 56);
ENGINE_CHECK_OFFSET(cef_browser_t, get_main_frame, 136, 68);

ENGINE_CHECK_OFFSET(cef_browser_host_t, close_browser, 40, 20);
ENGINE_CHECK_OFFSET(cef_browser_host_t, set_focus, 48, 24);
ENGINE_CHECK_OFFSET(cef_browser_host_t, get_window_handle, 64, 32);

ENGINE_CHECK_OFFSET(cef_frame_t, load_url, 128, 64);
ENGINE_CHECK_OFFSET(cef_frame_t, load_string, 136, 68);
ENGINE_CHECK_OFFSET(cef_frame_t, is_main, 152, 76);
ENGINE_CHECK_OFFSET(cef_frame_t, get_url, 192, 96);

ENGINE_CHECK_OFFSET(cef_request_t, get_url, 40, 20);
ENGINE_CHECK_OFFSET(cef_request_t, get_resource_type, 144, 72);
ENGINE_CHECK_OFFSET(cef_frame_t, get_source, 104, 52);
ENGINE_CHECK_OFFSET(cef_frame_t, get_text, 112, 56);
ENGINE_CHECK_OFFSET(cef_string_visitor_t, visit, 32, 16);

ENGINE_CHECK_OFFSET(cef_command_line_t, get_command_line_string, 88, 44);
ENGINE_CHECK_OFFSET(cef_command_line_t, has_switch, 120, 60);
ENGINE_CHECK_OFFSET(cef_command_line_t, append_switch, 144, 72);
ENGINE_CHECK_OFFSET(cef_command_line_t, append_switch_with_value, 152, 76);

ENGINE_CHECK_OFFSET(cef_process_message_t, get_name, 56, 28);

ENGINE_CHECK_OFFSET(cef_scheme_registrar_t, add_custom_scheme, 32, 16);

ENGINE_CHECK_OFFSET(cef_request_callback_t, cont, 32, 16);
ENGINE_CHECK_OFFSET(cef_request_callback_t, cancel, 40, 20);

ENGINE_CHECK_OFFSET(cef_auth_callback_t, cont, 32, 16);
ENGINE_CHECK_OFFSET(cef_auth_callback_t, cancel, 40, 20);

ENGINE_CHECK_OFFSET(cef_jsdialog_callback_t, cont, 32, 16);

ENGINE_CHECK_OFFSET(cef_geolocation_callback_t, cont, 32, 16);

ENGINE_CHECK_OFFSET(cef_run_context_menu_callback_t, cont, 32, 16);
ENGINE_CHECK_OFFSET(cef_run_context_menu_callback_t, cancel, 40, 20);

ENGINE_CHECK_SIZE(cef_app_t, 72, 36);
ENGINE_CHECK_OFFSET(cef_app_t, on_before_command_line_processing, 32, 16);
ENGINE_CHECK_OFFSET(cef_app_t, on_register_custom_schemes, 40, 20);
ENGINE_CHECK_OFFSET(cef_app_t, get_resource_bundle_handler, 48, 24);
ENGINE_CHECK_OFFSET(cef_app_t, get_browser_process_handler, 56, 28);
ENGINE_CHECK_OFFSET(cef_app_t, get_render_process_handler, 64, 32);

ENGINE_CHECK_SIZE(cef_browser_process_handler_t, 64, 32);
ENGINE_CHECK_OFFSET(cef_browser_process_handler_t, on_context_initialized, 32, 16);
ENGINE_CHECK_OFFSET(cef_browser_process_handler_t, on_before_child_process_launch, 40, 20);
ENGINE_CHECK_OFFSET(cef_browser_process_handler_t, on_render_process_thread_created, 48, 24);
ENGINE_CHECK_OFFSET(cef_browser_process_handler_t, get_print_handler, 56, 28);

ENGINE_CHECK_SIZE(cef_client_t, 152, 76);
ENGINE_CHECK_OFFSET(cef_client_t, get_context_menu_handler, 32, 16);
ENGINE_CHECK_OFFSET(cef_client_t, get_dialog_handler, 40, 20);
ENGINE_CHECK_OFFSET(cef_client_t, get_display_handler, 48, 24);
ENGINE_CHECK_OFFSET(cef_client_t, get_download_handler, 56, 28);
ENGINE_CHECK_OFFSET(cef_client_t, get_drag_handler, 64, 32);
ENGINE_CHECK_OFFSET(cef_client_t, get_find_handler, 72, 36);
ENGINE_CHECK_OFFSET(cef_client_t, get_focus_handler, 80, 40);
ENGINE_CHECK_OFFSET(cef_client_t, get_geolocation_handler, 88, 44);
ENGINE_CHECK_OFFSET(cef_client_t, get_jsdialog_handler, 96, 48);
ENGINE_CHECK_OFFSET(cef_client_t, get_keyboard_handler, 104, 52);
ENGINE_CHECK_OFFSET(cef_client_t, get_life_span_handler, 112, 56);
ENGINE_CHECK_OFFSET(cef_client_t, get_load_handler, 120, 60);
ENGINE_CHECK_OFFSET(cef_client_t, get_render_handler, 128, 64);
ENGINE_CHECK_OFFSET(cef_client_t, get_request_handler, 136, 68);
ENGINE_CHECK_OFFSET(cef_client_t, on_process_message_received, 144, 72);

ENGINE_CHECK_SIZE(cef_display_handler_t, 88, 44);
ENGINE_CHECK_OFFSET(cef_display_handler_t, on_address_change, 32, 16);
ENGINE_CHECK_OFFSET(cef_display_handler_t, on_title_change, 40, 20);
ENGINE_CHECK_OFFSET(cef_display_handler_t, on_favicon_urlchange, 48, 24);
ENGINE_CHECK_OFFSET(cef_display_handler_t, on_fullscreen_mode_change, 56, 28);
ENGINE_CHECK_OFFSET(cef_display_handler_t, on_tooltip, 64, 32);
ENGINE_CHECK_OFFSET(cef_display_handler_t, on_status_message, 72, 36);
ENGINE_CHECK_OFFSET(cef_display_handler_t, on_console_message, 80, 40);

ENGINE_CHECK_SIZE(cef_life_span_handler_t, 72, 36);
ENGINE_CHECK_OFFSET(cef_life_span_handler_t, on_before_popup, 32, 16);
ENGINE_CHECK_OFFSET(cef_life_span_handler_t, on_after_created, 40, 20);
ENGINE_CHECK_OFFSET(cef_life_span_handler_t, run_modal, 48, 24);
ENGINE_CHECK_OFFSET(cef_life_span_handler_t, do_close, 56, 28);
ENGINE_CHECK_OFFSET(cef_life_span_handler_t, on_before_close, 64, 32);

ENGINE_CHECK_SIZE(cef_load_handler_t, 64, 32);
ENGINE_CHECK_OFFSET(cef_load_handler_t, on_loading_state_change, 32, 16);
ENGINE_CHECK_OFFSET(cef_load_handler_t, on_load_start, 40, 20);
ENGINE_CHECK_OFFSET(cef_load_handler_t, on_load_end, 48, 24);
ENGINE_CHECK_OFFSET(cef_load_handler_t, on_load_error, 56, 28);

ENGINE_CHECK_SIZE(cef_request_handler_t, 136, 68);
ENGINE_CHECK_OFFSET(cef_request_handler_t, on_before_browse, 32, 16);
ENGINE_CHECK_OFFSET(cef_request_handler_t, on_open_urlfrom_tab, 40, 20);
ENGINE_CHECK_OFFSET(cef_request_handler_t, on_before_resource_load, 48, 24);
ENGINE_CHECK_OFFSET(cef_request_handler_t, get_resource_handler, 56, 28);
ENGINE_CHECK_OFFSET(cef_request_handler_t, on_resource_redirect, 64, 32);
ENGINE_CHECK_OFFSET(cef_request_handler_t, on_resource_response, 72, 36);
ENGINE_CHECK_OFFSET(cef_request_handler_t, get_auth_credentials, 80, 40);
ENGINE_CHECK_OFFSET(cef_request_handler_t, on_quota_request, 88, 44);
ENGINE_CHECK_OFFSET(cef_request_handler_t, on_protocol_execution, 96, 48);
ENGINE_CHECK_OFFSET(cef_request_handler_t, on_certificate_error, 104, 52);
ENGINE_CHECK_OFFSET(cef_request_handler_t, on_plugin_crashed, 112, 56);
ENGINE_CHECK_OFFSET(cef_request_handler_t, on_render_view_ready, 120, 60);
ENGINE_CHECK_OFFSET(cef_request_handler_t, on_render_process_terminated, 128, 64);

ENGINE_CHECK_SIZE(cef_jsdialog_handler_t, 64, 32);
ENGINE_CHECK_OFFSET(cef_jsdialog_handler_t, on_jsdialog, 32, 16);
ENGINE_CHECK_OFFSET(cef_jsdialog_handler_t, on_before_unload_dialog, 40, 20);
ENGINE_CHECK_OFFSET(cef_jsdialog_handler_t, on_reset_dialog_state, 48, 24);
ENGINE_CHECK_OFFSET(cef_jsdialog_handler_t, on_dialog_closed, 56, 28);

ENGINE_CHECK_SIZE(cef_geolocation_handler_t, 48, 24);
ENGINE_CHECK_OFFSET(cef_geolocation_handler_t, on_request_geolocation_permission, 32, 16);
ENGINE_CHECK_OFFSET(cef_geolocation_handler_t, on_cancel_geolocation_permission, 40, 20);

ENGINE_CHECK_SIZE(cef_render_process_handler_t, 120, 60);
ENGINE_CHECK_OFFSET(cef_render_process_handler_t, on_render_thread_created, 32, 16);
ENGINE_CHECK_OFFSET(cef_render_process_handler_t, on_web_kit_initialized, 40, 20);
ENGINE_CHECK_OFFSET(cef_render_process_handler_t, on_browser_created, 48, 24);
ENGINE_CHECK_OFFSET(cef_render_process_handler_t, on_browser_destroyed, 56, 28);
ENGINE_CHECK_OFFSET(cef_render_process_handler_t, get_load_handler, 64, 32);
ENGINE_CHECK_OFFSET(cef_render_process_handler_t, on_before_navigation, 72, 36);
ENGINE_CHECK_OFFSET(cef_render_process_handler_t, on_context_created, 80, 40);
ENGINE_CHECK_OFFSET(cef_render_process_handler_t, on_context_released, 88, 44);
ENGINE_CHECK_OFFSET(cef_render_process_handler_t, on_uncaught_exception, 96, 48);
ENGINE_CHECK_OFFSET(cef_render_process_handler_t, on_focused_node_changed, 104, 52);
ENGINE_CHECK_OFFSET(cef_render_process_handler_t, on_process_message_received, 112, 56);

ENGINE_CHECK_SIZE(cef_focus_handler_t, 56, 28);
ENGINE_CHECK_OFFSET(cef_focus_handler_t, on_take_focus, 32, 16);
ENGINE_CHECK_OFFSET(cef_focus_handler_t, on_set_focus, 40, 20);
ENGINE_CHECK_OFFSET(cef_focus_handler_t, on_got_focus, 48, 24);

ENGINE_CHECK_SIZE(cef_download_handler_t, 48, 24);
ENGINE_CHECK_OFFSET(cef_download_handler_t, on_before_download, 32, 16);
ENGINE_CHECK_OFFSET(cef_download_item_t, get_url, 128, 64);
ENGINE_CHECK_OFFSET(cef_before_download_callback_t, cont, 32, 16);
ENGINE_CHECK_SIZE(cef_keyboard_handler_t, 48, 24);
ENGINE_CHECK_OFFSET(cef_keyboard_handler_t, on_pre_key_event, 32, 16);
ENGINE_CHECK_OFFSET(cef_keyboard_handler_t, on_key_event, 40, 20);
static_assert(sizeof(cef_key_event_type_t) == 4 && KEYEVENT_RAWKEYDOWN == 0 && KEYEVENT_CHAR == 3,
              "the engine's key event types");
ENGINE_CHECK_SIZE(cef_key_event_t, 28, 28);
ENGINE_CHECK_OFFSET(cef_key_event_t, modifiers, 4, 4);
ENGINE_CHECK_OFFSET(cef_key_event_t, windows_key_code, 8, 8);
ENGINE_CHECK_OFFSET(cef_key_event_t, is_system_key, 16, 16);
ENGINE_CHECK_OFFSET(cef_key_event_t, character, 20, 20);
ENGINE_CHECK_OFFSET(cef_key_event_t, focus_on_editable_field, 24, 24);

ENGINE_CHECK_SIZE(cef_context_menu_handler_t, 64, 32);
ENGINE_CHECK_OFFSET(cef_context_menu_handler_t, on_before_context_menu, 32, 16);
ENGINE_CHECK_OFFSET(cef_context_menu_handler_t, run_context_menu, 40, 20);
ENGINE_CHECK_OFFSET(cef_context_menu_handler_t, on_context_menu_command, 48, 24);
ENGINE_CHECK_OFFSET(cef_context_menu_handler_t, on_context_menu_dismissed, 56, 28);
