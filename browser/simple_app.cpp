#include "browser/simple_app.h"

#include "browser/page_scale.h"

namespace {

// Appended in this order to the command line of every engine process: pages
// of the publisher's different hosts may use each other's resources, and the
// game may use the system's Flash plug-in.
constexpr const char* kEngineSwitches[] = {
    "--disable-web-security",
    "--enable-system-flash",
    "--enable-npapi",
};
constexpr char kPageScaleSwitch[] = "force-device-scale-factor";

}  // namespace

void SimpleApp::OnBeforeCommandLineProcessing(const CefString& processType, CefRefPtr<CefCommandLine> commandLine)
{
    for (const char* engineSwitch : kEngineSwitches)
        commandLine->AppendSwitch(CefString(engineSwitch));
    // Pages as large as the windows around them (every process alike: the
    // renderers lay the pages out at it).
    if (const std::optional<std::wstring> scale = ForcedPageScale(ProcessSystemDpi()))
        commandLine->AppendSwitchWithValue(CefString(kPageScaleSwitch), CefString(*scale));
}

CefRefPtr<CefBrowserProcessHandler> SimpleApp::GetBrowserProcessHandler()
{
    return this;
}
