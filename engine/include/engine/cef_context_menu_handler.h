// A page's context menu. Defaults let the engine build and show its own menu.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_browser.h"
#include "engine/cef_frame.h"
#include "engine/cef_menu_model.h"
#include "engine/cef_types.h"

#include <memory>

// Where and on what the menu was asked for. Only held by this layer.
class CefContextMenuParams : public virtual CefBase {};

// Answers a menu shown by the launcher itself, now or later.
class CefRunContextMenuCallback : public virtual CefBase {
public:
    virtual void Continue(int commandId, cef_event_flags_t eventFlags) = 0;
    virtual void Cancel() = 0;
};

namespace engine_internal {
struct ContextMenuHandlerBridge;
}

class CefContextMenuHandler : public virtual CefBase {
public:
    using EventFlags = cef_event_flags_t;

    virtual void OnBeforeContextMenu(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                     CefRefPtr<CefContextMenuParams> params, CefRefPtr<CefMenuModel> model)
    {
    }
    // Return true to show the menu yourself and answer through callback.
    virtual bool RunContextMenu(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                CefRefPtr<CefContextMenuParams> params, CefRefPtr<CefMenuModel> model,
                                CefRefPtr<CefRunContextMenuCallback> callback)
    {
        return false;
    }
    // Return true when the command was carried out here.
    virtual bool OnContextMenuCommand(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                      CefRefPtr<CefContextMenuParams> params, int commandId, EventFlags eventFlags)
    {
        return false;
    }
    virtual void OnContextMenuDismissed(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame) {}

protected:
    CefContextMenuHandler();
    ~CefContextMenuHandler() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::ContextMenuHandlerBridge> bridge_;
};
