// Proxies for the engine's objects that arrive in callbacks or as results,
// each carrying a reference that the proxy takes over; null gives null.
#pragma once

#include "capi/capi_objects.h"
#include "engine/cef_auth_callback.h"
#include "engine/cef_browser.h"
#include "engine/cef_command_line.h"
#include "engine/cef_context_menu_handler.h"
#include "engine/cef_dom.h"
#include "engine/cef_download_handler.h"
#include "engine/cef_frame.h"
#include "engine/cef_geolocation_handler.h"
#include "engine/cef_jsdialog_handler.h"
#include "engine/cef_menu_model.h"
#include "engine/cef_process_message.h"
#include "engine/cef_request.h"
#include "engine/cef_request_handler.h"
#include "engine/cef_response.h"
#include "engine/cef_scheme.h"
#include "engine/cef_ssl_info.h"
#include "engine/cef_v8.h"
#include "engine/cef_values.h"

namespace engine_internal {

CefRefPtr<CefBrowser> Wrap(cef_browser_t* adopted);
CefRefPtr<CefBrowserHost> Wrap(cef_browser_host_t* adopted);
CefRefPtr<CefFrame> Wrap(cef_frame_t* adopted);
CefRefPtr<CefRequest> Wrap(cef_request_t* adopted);
CefRefPtr<CefCommandLine> Wrap(cef_command_line_t* adopted);
CefRefPtr<CefProcessMessage> Wrap(cef_process_message_t* adopted);
CefRefPtr<CefSchemeRegistrar> Wrap(cef_scheme_registrar_t* adopted);

CefRefPtr<CefDownloadItem> Wrap(cef_download_item_t* adopted);
CefRefPtr<CefBeforeDownloadCallback> Wrap(cef_before_download_callback_t* adopted);
CefRefPtr<CefRequestCallback> Wrap(cef_request_callback_t* adopted);
CefRefPtr<CefAuthCallback> Wrap(cef_auth_callback_t* adopted);
CefRefPtr<CefJSDialogCallback> Wrap(cef_jsdialog_callback_t* adopted);
CefRefPtr<CefGeolocationCallback> Wrap(cef_geolocation_callback_t* adopted);
CefRefPtr<CefRunContextMenuCallback> Wrap(cef_run_context_menu_callback_t* adopted);

CefRefPtr<CefListValue> Wrap(cef_list_value_t* adopted);
CefRefPtr<CefV8Context> Wrap(cef_v8context_t* adopted);
CefRefPtr<CefV8Exception> Wrap(cef_v8exception_t* adopted);
CefRefPtr<CefV8StackTrace> Wrap(cef_v8stack_trace_t* adopted);
CefRefPtr<CefDOMNode> Wrap(cef_domnode_t* adopted);
CefRefPtr<CefMenuModel> Wrap(cef_menu_model_t* adopted);
CefRefPtr<CefContextMenuParams> Wrap(cef_context_menu_params_t* adopted);
CefRefPtr<CefResponse> Wrap(cef_response_t* adopted);
CefRefPtr<CefSSLInfo> Wrap(cef_sslinfo_t* adopted);

}  // namespace engine_internal
