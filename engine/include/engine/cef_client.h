// The object through which the engine reports on the browsers created with it:
// it hands out one handler per area. Defaults hand out none, so the engine's
// defaults apply everywhere, and handle no process message.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_browser.h"
#include "engine/cef_context_menu_handler.h"
#include "engine/cef_dialog_handler.h"
#include "engine/cef_display_handler.h"
#include "engine/cef_download_handler.h"
#include "engine/cef_drag_handler.h"
#include "engine/cef_find_handler.h"
#include "engine/cef_focus_handler.h"
#include "engine/cef_geolocation_handler.h"
#include "engine/cef_jsdialog_handler.h"
#include "engine/cef_keyboard_handler.h"
#include "engine/cef_life_span_handler.h"
#include "engine/cef_load_handler.h"
#include "engine/cef_process_message.h"
#include "engine/cef_render_handler.h"
#include "engine/cef_request_handler.h"
#include "engine/cef_types.h"

#include <memory>

namespace engine_internal {
struct ClientBridge;
}

class CefClient : public virtual CefBase {
public:
    virtual CefRefPtr<CefContextMenuHandler> GetContextMenuHandler() { return nullptr; }
    virtual CefRefPtr<CefDialogHandler> GetDialogHandler() { return nullptr; }
    virtual CefRefPtr<CefDisplayHandler> GetDisplayHandler() { return nullptr; }
    virtual CefRefPtr<CefDownloadHandler> GetDownloadHandler() { return nullptr; }
    virtual CefRefPtr<CefDragHandler> GetDragHandler() { return nullptr; }
    virtual CefRefPtr<CefFindHandler> GetFindHandler() { return nullptr; }
    virtual CefRefPtr<CefFocusHandler> GetFocusHandler() { return nullptr; }
    virtual CefRefPtr<CefGeolocationHandler> GetGeolocationHandler() { return nullptr; }
    virtual CefRefPtr<CefJSDialogHandler> GetJSDialogHandler() { return nullptr; }
    virtual CefRefPtr<CefKeyboardHandler> GetKeyboardHandler() { return nullptr; }
    virtual CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() { return nullptr; }
    virtual CefRefPtr<CefLoadHandler> GetLoadHandler() { return nullptr; }
    virtual CefRefPtr<CefRenderHandler> GetRenderHandler() { return nullptr; }
    virtual CefRefPtr<CefRequestHandler> GetRequestHandler() { return nullptr; }
    // Return true when the message was handled.
    virtual bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser, CefProcessId sourceProcess,
                                          CefRefPtr<CefProcessMessage> message)
    {
        return false;
    }

protected:
    CefClient();
    ~CefClient() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::ClientBridge> bridge_;
};
