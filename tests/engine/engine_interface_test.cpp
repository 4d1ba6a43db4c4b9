// CefExecuteProcess against an engine library with another interface. This
// program's folder holds the stand-in libcef.dll of other_engine_libcef.h, so
// the loader takes it instead of the engine; calling any engine function of
// it but cef_api_hash ends the program, so a test that passes ran none.
#include "api_version.h"
#include "instance_counter.h"
#include "other_engine_libcef.h"

#include "engine/cef_app.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

using enginetest::InstanceCounter;

class CountedApp : public CefApp, public InstanceCounter<CountedApp> {
    IMPLEMENT_REFCOUNTING(CountedApp);
};

TEST(OtherEngineInterface, TheLoadedEngineLibraryIsTheStandIn)
{
    EXPECT_TRUE(engine_internal::ApiHashMatches(otherengine::kApiHash));
    EXPECT_FALSE(engine_internal::ApiHashMatches(engine_internal::kEngineApiHash));
}

TEST(OtherEngineInterface, CefExecuteProcessReturnsZeroWithoutRunningTheEngine)
{
    CefRefPtr<CountedApp> app = new CountedApp;
    EXPECT_EQ(CefExecuteProcess(CefMainArgs(GetModuleHandleW(nullptr)), app, nullptr), 0);
    EXPECT_TRUE(app->HasOneRef());
    app = nullptr;
    EXPECT_EQ(InstanceCounter<CountedApp>::Live(), 0);
}

}  // namespace
