// The table each of the launcher's interfaces hands to the engine.
#pragma once

#include "bridge.h"
#include "capi/capi_app.h"
#include "capi/capi_handlers.h"
#include "engine/cef_app.h"
#include "engine/cef_browser_process_handler.h"
#include "engine/cef_client.h"
#include "engine/cef_context_menu_handler.h"
#include "engine/cef_display_handler.h"
#include "engine/cef_download_handler.h"
#include "engine/cef_focus_handler.h"
#include "engine/cef_geolocation_handler.h"
#include "engine/cef_jsdialog_handler.h"
#include "engine/cef_keyboard_handler.h"
#include "engine/cef_life_span_handler.h"
#include "engine/cef_load_handler.h"
#include "engine/cef_plain_handler.h"
#include "engine/cef_render_process_handler.h"
#include "engine/cef_request_handler.h"
#include "engine/cef_string_visitor.h"
#include "engine/cef_task.h"

namespace engine_internal {

struct AppBridge : Bridge<CefApp, cef_app_t> {
    explicit AppBridge(CefApp* owner);
};

struct BrowserProcessHandlerBridge : Bridge<CefBrowserProcessHandler, cef_browser_process_handler_t> {
    explicit BrowserProcessHandlerBridge(CefBrowserProcessHandler* owner);
};

struct ClientBridge : Bridge<CefClient, cef_client_t> {
    explicit ClientBridge(CefClient* owner);
};

struct DisplayHandlerBridge : Bridge<CefDisplayHandler, cef_display_handler_t> {
    explicit DisplayHandlerBridge(CefDisplayHandler* owner);
};

struct DownloadHandlerBridge : Bridge<CefDownloadHandler, cef_download_handler_t> {
    explicit DownloadHandlerBridge(CefDownloadHandler* owner);
};

struct FocusHandlerBridge : Bridge<CefFocusHandler, cef_focus_handler_t> {
    explicit FocusHandlerBridge(CefFocusHandler* owner);
};

struct KeyboardHandlerBridge : Bridge<CefKeyboardHandler, cef_keyboard_handler_t> {
    explicit KeyboardHandlerBridge(CefKeyboardHandler* owner);
};

struct LifeSpanHandlerBridge : Bridge<CefLifeSpanHandler, cef_life_span_handler_t> {
    explicit LifeSpanHandlerBridge(CefLifeSpanHandler* owner);
};

struct LoadHandlerBridge : Bridge<CefLoadHandler, cef_load_handler_t> {
    explicit LoadHandlerBridge(CefLoadHandler* owner);
};

struct RequestHandlerBridge : Bridge<CefRequestHandler, cef_request_handler_t> {
    explicit RequestHandlerBridge(CefRequestHandler* owner);
};

struct JSDialogHandlerBridge : Bridge<CefJSDialogHandler, cef_jsdialog_handler_t> {
    explicit JSDialogHandlerBridge(CefJSDialogHandler* owner);
};

struct GeolocationHandlerBridge : Bridge<CefGeolocationHandler, cef_geolocation_handler_t> {
    explicit GeolocationHandlerBridge(CefGeolocationHandler* owner);
};

struct RenderProcessHandlerBridge : Bridge<CefRenderProcessHandler, cef_render_process_handler_t> {
    explicit RenderProcessHandlerBridge(CefRenderProcessHandler* owner);
};

struct ContextMenuHandlerBridge : Bridge<CefContextMenuHandler, cef_context_menu_handler_t> {
    explicit ContextMenuHandlerBridge(CefContextMenuHandler* owner);
};

struct StringVisitorBridge : Bridge<CefStringVisitor, cef_string_visitor_t> {
    explicit StringVisitorBridge(CefStringVisitor* owner);
};

struct TaskBridge : Bridge<CefTask, cef_task_t> {
    explicit TaskBridge(CefTask* owner);
};

struct PlainHandlerBridge : Bridge<PlainHandler, cef_plain_handler_t> {
    explicit PlainHandlerBridge(PlainHandler* owner) : Bridge(owner) {}
};

}  // namespace engine_internal
