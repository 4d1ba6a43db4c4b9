// Keyboard events of a browser. Defaults hand every key to the page.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_browser.h"
#include "engine/cef_types.h"

#include <windows.h>

#include <memory>

namespace engine_internal {
struct KeyboardHandlerBridge;
}

using CefKeyEvent = cef_key_event_t;
// The system's message behind a key event, or null.
using CefEventHandle = MSG*;

class CefKeyboardHandler : public virtual CefBase {
public:
    // Engine UI thread, before the page sees the key. Return true when the key
    // was handled here (the page never sees it); set *isKeyboardShortcut and
    // return false to have OnKeyEvent called for it after the page.
    virtual bool OnPreKeyEvent(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event, CefEventHandle osEvent,
                               bool* isKeyboardShortcut)
    {
        return false;
    }
    // Engine UI thread, for a key the page did not handle. Return true when
    // it was handled here.
    virtual bool OnKeyEvent(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event, CefEventHandle osEvent)
    {
        return false;
    }

protected:
    CefKeyboardHandler();
    ~CefKeyboardHandler() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::KeyboardHandlerBridge> bridge_;
};
