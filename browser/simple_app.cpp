#include "browser/simple_app.h"

namespace {

// Appended in this order to the command line of every engine process: pages
// of the publisher's different hosts may use each other's resources, and the
// game may use the system's Flash plug-in.
constexpr const char* kEngineSwitches[] = {
    "--disable-web-security",
    "--enable-system-flash",
    "--enable-npapi",
};

}  // namespace

void SimpleApp::OnBeforeCommandLineProcessing(const CefString& processType, CefRefPtr<CefCommandLine> commandLine)
{
    for (const char* engineSwitch : kEngineSwitches)
        commandLine->AppendSwitch(CefString(engineSwitch));
}

CefRefPtr<CefBrowserProcessHandler> SimpleApp::GetBrowserProcessHandler()
{
    return this;
}
