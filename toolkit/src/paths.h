// File-system paths as the toolkit joins them: folders end in a separator.
#pragma once

#include "toolkit/dui_string.h"

// The folder with a trailing backslash unless it already ends in a separator;
// an empty folder stays empty (the current one).
CDuiString WithTrailingSeparator(const CDuiString& folder);

// The folder part of a path, with its trailing separator; empty when the path
// names no folder.
CDuiString FolderOf(const CDuiString& path);
