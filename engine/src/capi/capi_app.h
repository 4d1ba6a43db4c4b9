// The application tables the launcher implements and the engine's process
// functions, declared for this layer.
#pragma once

#include "capi/capi_handlers.h"
#include "capi/capi_objects.h"
#include "capi/capi_values.h"

extern "C" {

struct cef_browser_process_handler_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* on_context_initialized)(cef_browser_process_handler_t* self);
    void(ENGINE_CALLBACK* on_before_child_process_launch)(cef_browser_process_handler_t* self,
                                                          cef_command_line_t* command_line);
    void(ENGINE_CALLBACK* on_render_process_thread_created)(cef_browser_process_handler_t* self,
                                                            cef_list_value_t* extra_info);
    cef_plain_handler_t*(ENGINE_CALLBACK* get_print_handler)(cef_browser_process_handler_t* self);
};

struct cef_app_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* on_before_command_line_processing)(cef_app_t* self, const cef_string_t* process_type,
                                                             cef_command_line_t* command_line);
    void(ENGINE_CALLBACK* on_register_custom_schemes)(cef_app_t* self, cef_scheme_registrar_t* registrar);
    cef_plain_handler_t*(ENGINE_CALLBACK* get_resource_bundle_handler)(cef_app_t* self);
    cef_browser_process_handler_t*(ENGINE_CALLBACK* get_browser_process_handler)(cef_app_t* self);
    cef_render_process_handler_t*(ENGINE_CALLBACK* get_render_process_handler)(cef_app_t* self);
};

struct cef_task_t {
    cef_base_t base;
    void(ENGINE_CALLBACK* execute)(cef_task_t* self);
};

int cef_execute_process(const cef_main_args_t* args, cef_app_t* application, void* windows_sandbox_info);
void cef_enable_highdpi_support(void);
int cef_initialize(const cef_main_args_t* args, const cef_settings_t* settings, cef_app_t* application,
                   void* windows_sandbox_info);
void cef_shutdown();
void cef_run_message_loop();
void cef_quit_message_loop();
int cef_post_task(cef_thread_id_t thread_id, cef_task_t* task);
int cef_post_delayed_task(cef_thread_id_t thread_id, cef_task_t* task, std::int64_t delay_ms);

}  // extern "C"
