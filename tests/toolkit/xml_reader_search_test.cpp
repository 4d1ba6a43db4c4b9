// The system's XML reader comes from the system folder, never from the
// program's folder. This program's folder holds a stand-in xmllite.dll, and
// Wine is told to prefer a DLL found on the search path over its own, as
// Windows does.
#include <gtest/gtest.h>

#include <string>

#include "test_window.h"

namespace {

constexpr wchar_t kReaderDll[] = L"xmllite.dll";

std::wstring ModulePath(HMODULE module)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module, path, MAX_PATH);
    return path;
}

TEST(XmlReaderSearch, SkinsAreReadWithTheSystemsReaderNotOneBesideTheProgram)
{
    const CDuiString folder = CPaintManagerUI::GetInstancePath();
    ASSERT_NE(GetFileAttributesW((folder + kReaderDll).GetData()), INVALID_FILE_ATTRIBUTES)
        << "the stand-in is missing";
    // The test skins are one folder up, beside the other test programs.
    CPaintManagerUI::SetResourcePath(folder + L"..\\" + kTestSkinFolder);

    TestWindow window(L"tree.xml");
    ASSERT_NE(window.CreateTopLevel(), nullptr);
    EXPECT_NE(window.Find(L"anchored"), nullptr);
    EXPECT_TRUE(window.Manager().GetSkinProblems().empty()) << ProblemsOf(window.Manager());

    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring loaded = ModulePath(GetModuleHandleW(kReaderDll));
    EXPECT_EQ(CompareStringOrdinal(loaded.c_str(), static_cast<int>(wcslen(system)), system, -1, TRUE), CSTR_EQUAL)
        << ::testing::PrintToString(loaded);
}

}  // namespace
