// The application object handed to the engine in every process: it adds the
// launcher's switches to every engine process's command line and otherwise
// leaves the engine at its defaults.
#pragma once

#include "engine/cef_app.h"
#include "engine/cef_browser_process_handler.h"

class SimpleApp : public CefApp, public CefBrowserProcessHandler {
public:
    SimpleApp() = default;

    // CefApp
    void OnBeforeCommandLineProcessing(const CefString& processType, CefRefPtr<CefCommandLine> commandLine) override;
    CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override;

private:
    IMPLEMENT_REFCOUNTING(SimpleApp);
};
