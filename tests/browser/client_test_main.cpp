// The browser client's and the application object's tests run with the real
// engine, started the way the launcher starts it: SimpleApp, the engine's
// multi-threaded message loop and the locale "zh-CN".
#include "browser_fixture.h"
#include "switch_log.h"

#include "browser/engine_settings.h"
#include "browser/simple_app.h"
#include "engine_test_main.h"

namespace {

// SimpleApp as the launcher uses it; every engine sub-process also writes its
// command line, as SimpleApp left it, to the switch log.
class SwitchLoggingApp : public SimpleApp {
public:
    void OnBeforeCommandLineProcessing(const CefString& processType, CefRefPtr<CefCommandLine> commandLine) override
    {
        SimpleApp::OnBeforeCommandLineProcessing(processType, commandLine);
        if (!processType.empty())
            AppendToSwitchLog(processType.ToWString(), commandLine->GetCommandLineString().ToWString());
    }
};

}  // namespace

int main(int argc, char** argv)
{
    StartSwitchLogUnlessInherited();
    testing::AddGlobalTestEnvironment(new SharedBrowsingEnvironment);
    return testsupport::RunEngineTestMain(argc, argv, new SwitchLoggingApp, LauncherEngineSettings());
}
