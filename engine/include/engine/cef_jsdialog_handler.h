// A page's alert, confirm, prompt and before-unload dialogs. Defaults let the
// engine show its own dialogs.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_browser.h"
#include "engine/cef_string.h"
#include "engine/cef_types.h"

#include <memory>

// Answers a dialog, now or later.
class CefJSDialogCallback : public virtual CefBase {
public:
    virtual void Continue(bool success, const CefString& userInput) = 0;
};

namespace engine_internal {
struct JSDialogHandlerBridge;
}

class CefJSDialogHandler : public virtual CefBase {
public:
    using JSDialogType = cef_jsdialog_type_t;

    // Return true to answer through callback; or set suppressMessage and return
    // false to answer with the default at once.
    virtual bool OnJSDialog(CefRefPtr<CefBrowser> browser, const CefString& originUrl, const CefString& acceptLang,
                            JSDialogType dialogType, const CefString& messageText,
                            const CefString& defaultPromptText, CefRefPtr<CefJSDialogCallback> callback,
                            bool& suppressMessage)
    {
        return false;
    }
    // Return true to answer through callback.
    virtual bool OnBeforeUnloadDialog(CefRefPtr<CefBrowser> browser, const CefString& messageText, bool isReload,
                                      CefRefPtr<CefJSDialogCallback> callback)
    {
        return false;
    }
    virtual void OnResetDialogState(CefRefPtr<CefBrowser> browser) {}
    virtual void OnDialogClosed(CefRefPtr<CefBrowser> browser) {}

protected:
    CefJSDialogHandler();
    ~CefJSDialogHandler() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::JSDialogHandlerBridge> bridge_;
};
