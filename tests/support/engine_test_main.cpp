#include "engine_test_main.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace testsupport {

int RunEngineTestMain(int argc, char** argv, CefRefPtr<CefApp> app, const CefSettings& settings)
{
    const CefMainArgs mainArgs(GetModuleHandleW(nullptr));
    const int subProcessExitCode = CefExecuteProcess(mainArgs, app, nullptr);
    if (subProcessExitCode >= 0)
        return subProcessExitCode;

    testing::InitGoogleTest(&argc, argv);
    if (!CefInitialize(mainArgs, settings, app, nullptr)) {
        std::fprintf(stderr, "the engine did not start\n");
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    CefShutdown();
    return result;
}

}  // namespace testsupport
