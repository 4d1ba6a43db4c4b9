// The application object of the engine test programs: it appends a switch of
// its own to every engine command line and notes when the engine is ready.
#pragma once

#include "instance_counter.h"

#include "engine/cef_app.h"
#include "engine/cef_browser_process_handler.h"

#include <windows.h>

#include <atomic>

namespace enginetest {

// The switch, without its leading "--".
constexpr char kTestSwitchName[] = "zarnith-engine-test";
// A switch with a value that the test application appends too.
constexpr char kTestValueSwitchName[] = "zarnith-engine-test-value";
constexpr char kTestSwitchValue[] = "1.25";

class TestApp : public CefApp, public CefBrowserProcessHandler, public InstanceCounter<TestApp> {
public:
    // CefApp
    void OnBeforeCommandLineProcessing(const CefString& processType, CefRefPtr<CefCommandLine> commandLine) override;
    CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override { return this; }

    // CefBrowserProcessHandler
    void OnContextInitialized() override;

    // Written on the engine's UI thread, read by the tests.
    std::atomic<DWORD> contextInitializedThread{0};

    IMPLEMENT_REFCOUNTING(TestApp);
};

}  // namespace enginetest
