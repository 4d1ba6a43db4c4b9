#include "test_app.h"

#include <string>

namespace enginetest {

void TestApp::OnBeforeCommandLineProcessing(const CefString&, CefRefPtr<CefCommandLine> commandLine)
{
    commandLine->AppendSwitch(std::string("--") + kTestSwitchName);
    commandLine->AppendSwitchWithValue(kTestValueSwitchName, kTestSwitchValue);
}

void TestApp::OnContextInitialized()
{
    contextInitializedThread = GetCurrentThreadId();
}

}  // namespace enginetest
