// Builds a window's control tree and settings from its XML skin file.
#pragma once

#include "toolkit/dialog_builder_callback.h"
#include "toolkit/dui_string.h"

class CControlUI;
class CPaintManagerUI;

// Reads the file into the manager's window settings and fonts and returns
// the root control (the caller hands it to the manager), or null when no
// control could be built. Whatever cannot be built is left out and its
// reason recorded in the manager's skin problems; the rest of the file is
// still used. callback may be null.
CControlUI* BuildSkin(const CDuiString& path, CPaintManagerUI& manager, IDialogBuilderCallback* callback);

// The toolkit's own control for a skin element type, or null.
CControlUI* CreateBuiltInControl(const wchar_t* type);
