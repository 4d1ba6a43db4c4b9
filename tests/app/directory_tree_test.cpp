// Creating a folder path level by level, on real folders under Wine.
#include "settings/directory_tree.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

TEST(CreateDirectoryTree, CreatesEveryMissingLevel)
{
    const TempFolder temp;
    const std::wstring top = temp.Path() + L"one";
    ASSERT_FALSE(IsFolder(top));
    EXPECT_TRUE(CreateDirectoryTree((top + L"\\two\\three").c_str()));
    EXPECT_TRUE(IsFolder(top));
    EXPECT_TRUE(IsFolder(top + L"\\two"));
    EXPECT_TRUE(IsFolder(top + L"\\two\\three"));

    // A trailing backslash, as the settings folder has.
    EXPECT_TRUE(CreateDirectoryTree((top + L"\\four\\five\\").c_str()));
    EXPECT_TRUE(IsFolder(top + L"\\four\\five"));
}

TEST(CreateDirectoryTree, AnExistingFolderIsLeftAsItIs)
{
    const TempFolder temp;
    const std::wstring folder = temp.Path() + L"kept";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    ASSERT_TRUE(WriteWholeFile(folder + L"\\inside.txt", "contents"));

    EXPECT_TRUE(CreateDirectoryTree(folder.c_str()));
    EXPECT_TRUE(CreateDirectoryTree((folder + L"\\").c_str()));
    EXPECT_EQ(FolderEntries(folder), std::vector<std::wstring>{L"inside.txt"});
    EXPECT_EQ(ReadWholeFile(folder + L"\\inside.txt"), "contents");
}

TEST(CreateDirectoryTree, NullPathIsRefused)
{
    EXPECT_FALSE(CreateDirectoryTree(nullptr));
}

TEST(CreateDirectoryTree, AFileWhereAFolderShouldBeFails)
{
    const TempFolder temp;
    const std::wstring file = temp.Path() + L"weiduan";
    ASSERT_TRUE(WriteWholeFile(file, "not a folder"));

    EXPECT_FALSE(CreateDirectoryTree(file.c_str()));
    EXPECT_FALSE(CreateDirectoryTree((file + L"\\").c_str()));
    EXPECT_FALSE(CreateDirectoryTree((file + L"\\below\\").c_str()));
    EXPECT_TRUE(IsFile(file));
    EXPECT_EQ(ReadWholeFile(file), "not a folder");
}

TEST(CreateDirectoryTree, ALevelThatCannotBeCreatedStopsTheWalk)
{
    const TempFolder temp;
    // '<' is not allowed in a file name.
    EXPECT_FALSE(CreateDirectoryTree((temp.Path() + L"bad<name\\below\\").c_str()));
    EXPECT_TRUE(FolderEntries(temp.Path()).empty());
}

TEST(CreateDirectoryTree, OnlyBackslashesSeparateLevels)
{
    const TempFolder temp;
    // "a" is not a level of its own, so "a/b" lacks its parent.
    EXPECT_FALSE(CreateDirectoryTree((temp.Path() + L"a/b").c_str()));
    EXPECT_FALSE(IsFolder(temp.Path() + L"a"));
}

TEST(CreateDirectoryTree, APathWithoutBackslashIsAFolderOfTheCurrentFolder)
{
    const TempFolder temp;
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(temp.Path().c_str()));

    const bool created = CreateDirectoryTree(L"plain");

    SetCurrentDirectoryW(previous);
    EXPECT_TRUE(created);
    EXPECT_TRUE(IsFolder(temp.Path() + L"plain"));
}

}  // namespace
