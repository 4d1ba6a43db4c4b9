// Keyboard focus. Defaults let the engine give a browser the focus whenever
// it asks for it.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_browser.h"
#include "engine/cef_types.h"

#include <memory>

namespace engine_internal {
struct FocusHandlerBridge;
}

class CefFocusHandler : public virtual CefBase {
public:
    using FocusSource = cef_focus_source_t;

    // Engine UI thread. The focus leaves the page's last (next) or first element.
    virtual void OnTakeFocus(CefRefPtr<CefBrowser> browser, bool next) {}
    // Engine UI thread. Return true to keep the browser from taking the focus.
    virtual bool OnSetFocus(CefRefPtr<CefBrowser> browser, FocusSource source) { return false; }
    // Engine UI thread.
    virtual void OnGotFocus(CefRefPtr<CefBrowser> browser) {}

protected:
    CefFocusHandler();
    ~CefFocusHandler() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::FocusHandlerBridge> bridge_;
};
