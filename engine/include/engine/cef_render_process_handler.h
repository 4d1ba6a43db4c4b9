// Events of a render process, offered by the application object in render
// processes. Defaults do nothing and let every navigation go ahead.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_browser.h"
#include "engine/cef_dom.h"
#include "engine/cef_frame.h"
#include "engine/cef_load_handler.h"
#include "engine/cef_process_message.h"
#include "engine/cef_request.h"
#include "engine/cef_types.h"
#include "engine/cef_v8.h"
#include "engine/cef_values.h"

#include <memory>

namespace engine_internal {
struct RenderProcessHandlerBridge;
}

class CefRenderProcessHandler : public virtual CefBase {
public:
    using NavigationType = cef_navigation_type_t;

    virtual void OnRenderThreadCreated(CefRefPtr<CefListValue> extraInfo) {}
    virtual void OnWebKitInitialized() {}
    virtual void OnBrowserCreated(CefRefPtr<CefBrowser> browser) {}
    virtual void OnBrowserDestroyed(CefRefPtr<CefBrowser> browser) {}
    virtual CefRefPtr<CefLoadHandler> GetLoadHandler() { return nullptr; }
    // Return true to cancel the navigation.
    virtual bool OnBeforeNavigation(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                    CefRefPtr<CefRequest> request, NavigationType navigationType, bool isRedirect)
    {
        return false;
    }
    virtual void OnContextCreated(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                  CefRefPtr<CefV8Context> context)
    {
    }
    virtual void OnContextReleased(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                   CefRefPtr<CefV8Context> context)
    {
    }
    virtual void OnUncaughtException(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                     CefRefPtr<CefV8Context> context, CefRefPtr<CefV8Exception> exception,
                                     CefRefPtr<CefV8StackTrace> stackTrace)
    {
    }
    virtual void OnFocusedNodeChanged(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                      CefRefPtr<CefDOMNode> node)
    {
    }
    // Return true when the message was handled.
    virtual bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser, CefProcessId sourceProcess,
                                          CefRefPtr<CefProcessMessage> message)
    {
        return false;
    }

protected:
    CefRenderProcessHandler();
    ~CefRenderProcessHandler() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::RenderProcessHandlerBridge> bridge_;
};
