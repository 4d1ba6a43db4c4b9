#include "bridges.h"
#include "engine_objects.h"

namespace engine_internal {

namespace {

CefClient* ClientOf(cef_client_t* self)
{
    return ClientBridge::ObjectOf(self);
}

cef_context_menu_handler_t* ENGINE_CALLBACK GetContextMenuHandler(cef_client_t* self)
{
    return NewEngineReference(ClientOf(self)->GetContextMenuHandler());
}

cef_plain_handler_t* ENGINE_CALLBACK GetDialogHandler(cef_client_t* self)
{
    return NewEngineReference(ClientOf(self)->GetDialogHandler());
}

cef_display_handler_t* ENGINE_CALLBACK GetDisplayHandler(cef_client_t* self)
{
    return NewEngineReference(ClientOf(self)->GetDisplayHandler());
}

cef_download_handler_t* ENGINE_CALLBACK GetDownloadHandler(cef_client_t* self)
{
    return NewEngineReference(ClientOf(self)->GetDownloadHandler());
}

cef_plain_handler_t* ENGINE_CALLBACK GetDragHandler(cef_client_t* self)
{
    return NewEngineReference(ClientOf(self)->GetDragHandler());
}

cef_plain_handler_t* ENGINE_CALLBACK GetFindHandler(cef_client_t* self)
{
    return NewEngineReference(ClientOf(self)->GetFindHandler());
}

cef_focus_handler_t* ENGINE_CALLBACK GetFocusHandler(cef_client_t* self)
{
    return NewEngineReference(ClientOf(self)->GetFocusHandler());
}

cef_geolocation_handler_t* ENGINE_CALLBACK GetGeolocationHandler(cef_client_t* self)
{
    return NewEngineReference(ClientOf(self)->GetGeolocationHandler());
}

cef_jsdialog_handler_t* ENGINE_CALLBACK GetJSDialogHandler(cef_client_t* self)
{
    return NewEngineReference(ClientOf(self)->GetJSDialogHandler());
}

cef_keyboard_handler_t* ENGINE_CALLBACK GetKeyboardHandler(cef_client_t* self)
{
    return NewEngineReference(ClientOf(self)->GetKeyboardHandler());
}

cef_life_span_handler_t* ENGINE_CALLBACK GetLifeSpanHandler(cef_client_t* self)
{
    return NewEngineReference(ClientOf(self)->GetLifeSpanHandler());
}

cef_load_handler_t* ENGINE_CALLBACK GetLoadHandler(cef_client_t* self)
{
    return NewEngineReference(ClientOf(self)->GetLoadHandler());
}

cef_plain_handler_t* ENGINE_CALLBACK GetRenderHandler(cef_client_t* self)
{
    return NewEngineReference(ClientOf(self)->GetRenderHandler());
}

cef_request_handler_t* ENGINE_CALLBACK GetRequestHandler(cef_client_t* self)
{
    return NewEngineReference(ClientOf(self)->GetRequestHandler());
}

int ENGINE_CALLBACK OnProcessMessageReceived(cef_client_t* self, cef_browser_t* browser,
                                             cef_process_id_t sourceProcess, cef_process_message_t* message)
{
    return ClientOf(self)->OnProcessMessageReceived(Wrap(browser), sourceProcess, Wrap(message));
}

}  // namespace

ClientBridge::ClientBridge(CefClient* owner) : Bridge(owner)
{
    table.get_context_menu_handler = &GetContextMenuHandler;
    table.get_dialog_handler = &GetDialogHandler;
    table.get_display_handler = &GetDisplayHandler;
    table.get_download_handler = &GetDownloadHandler;
    table.get_drag_handler = &GetDragHandler;
    table.get_find_handler = &GetFindHandler;
    table.get_focus_handler = &GetFocusHandler;
    table.get_geolocation_handler = &GetGeolocationHandler;
    table.get_jsdialog_handler = &GetJSDialogHandler;
    table.get_keyboard_handler = &GetKeyboardHandler;
    table.get_life_span_handler = &GetLifeSpanHandler;
    table.get_load_handler = &GetLoadHandler;
    table.get_render_handler = &GetRenderHandler;
    table.get_request_handler = &GetRequestHandler;
    table.on_process_message_received = &OnProcessMessageReceived;
}

}  // namespace engine_internal

CefClient::CefClient() : bridge_(std::make_unique<engine_internal::ClientBridge>(this)) {}
CefClient::~CefClient() = default;
