// Events of the browser process, offered by the application object. Defaults do nothing.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_command_line.h"
#include "engine/cef_print_handler.h"
#include "engine/cef_values.h"

#include <memory>

namespace engine_internal {
struct BrowserProcessHandlerBridge;
}

class CefBrowserProcessHandler : public virtual CefBase {
public:
    // The engine is ready (on its UI thread).
    virtual void OnContextInitialized() {}
    // The command line of a child process about to start; it may be changed.
    virtual void OnBeforeChildProcessLaunch(CefRefPtr<CefCommandLine> commandLine) {}
    // Values to send to a new render process may be added to extraInfo.
    virtual void OnRenderProcessThreadCreated(CefRefPtr<CefListValue> extraInfo) {}
    virtual CefRefPtr<CefPrintHandler> GetPrintHandler() { return nullptr; }

protected:
    CefBrowserProcessHandler();
    ~CefBrowserProcessHandler() override;

private:
    friend struct engine_internal::BridgeAccess;
    std::unique_ptr<engine_internal::BrowserProcessHandlerBridge> bridge_;
};
