// Creating a folder together with every missing folder above it.
#pragma once

// Creates each missing level of the path, from the top down; levels are
// separated by backslashes only. Returns true when the whole path is a folder
// at the end, false for a null path, for a level that cannot be created, or
// when a file stands where the folder should be.
bool CreateDirectoryTree(const wchar_t* path);
