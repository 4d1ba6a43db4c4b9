// The system's DLLs come from the system folder, also on Windows versions
// that reject the system-folder-only search flag.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "system_library.h"

namespace {

struct LoadCall {
    std::wstring name;
    DWORD flags;
};
std::vector<LoadCall> g_calls;

// A Windows without the search flags: the flag is an invalid parameter.
HMODULE WINAPI LoaderWithoutSearchFlags(const wchar_t* name, HANDLE, DWORD flags)
{
    g_calls.push_back({name, flags});
    if (flags & LOAD_LIBRARY_SEARCH_SYSTEM32) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return LoadLibraryExW(name, nullptr, flags);
}

// A system without the DLL at all.
HMODULE WINAPI LoaderWithoutTheDll(const wchar_t* name, HANDLE, DWORD flags)
{
    g_calls.push_back({name, flags});
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

std::wstring SystemFolder()
{
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return folder;
}

TEST(SystemLibrary, WithoutTheSearchFlagTheDllIsLoadedByItsFullSystemPath)
{
    g_calls.clear();
    const HMODULE library = LoadFromSystemFolder(L"xmllite.dll", &LoaderWithoutSearchFlags);
    ASSERT_NE(library, nullptr);
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[0].name, L"xmllite.dll");
    EXPECT_EQ(g_calls[0].flags, static_cast<DWORD>(LOAD_LIBRARY_SEARCH_SYSTEM32));
    EXPECT_EQ(g_calls[1].name, SystemFolder() + L"\\xmllite.dll");
    EXPECT_EQ(g_calls[1].flags & LOAD_LIBRARY_SEARCH_SYSTEM32, 0u);
    EXPECT_NE(GetProcAddress(library, "CreateXmlReader"), nullptr);
}

TEST(SystemLibrary, AMissingDllIsNotLookedForElsewhere)
{
    g_calls.clear();
    EXPECT_EQ(LoadFromSystemFolder(L"xmllite.dll", &LoaderWithoutTheDll), nullptr);
    EXPECT_EQ(g_calls.size(), 1u);
}

TEST(SystemLibrary, WhereTheFlagIsKnownOneCallLoadsFromTheSystemFolder)
{
    const HMODULE library = LoadFromSystemFolder(L"xmllite.dll");
    ASSERT_NE(library, nullptr);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(library, path, MAX_PATH);
    EXPECT_EQ(CompareStringOrdinal(path, static_cast<int>(SystemFolder().size()), SystemFolder().c_str(), -1, TRUE),
              CSTR_EQUAL)
        << testing::PrintToString(std::wstring(path));
}

}  // namespace
