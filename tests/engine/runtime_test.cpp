#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The interface hash of the engine build the launcher's C declarations were written for.
constexpr char kExpectedApiHash[] = "66b3cacab3812623bf9f2ecf96847f222ce8869e";

using ApiHashFunction = const char* (*)(int entry);

TEST(EngineRuntime, RunnableFolderCarriesTheEngineTheLauncherWasWrittenFor)
{
    const std::wstring dll = std::wstring(ZARNITH_DIST_DIR_DOS) + L"\\libcef.dll";
    HMODULE engine = LoadLibraryExW(dll.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    ASSERT_NE(engine, nullptr) << "cannot load libcef.dll, error " << GetLastError();
    auto apiHash = reinterpret_cast<ApiHashFunction>(GetProcAddress(engine, "cef_api_hash"));
    ASSERT_NE(apiHash, nullptr);
    const char* platformHash = apiHash(0);
    ASSERT_NE(platformHash, nullptr);
    EXPECT_STREQ(platformHash, kExpectedApiHash);
    FreeLibrary(engine);
}

}  // namespace
