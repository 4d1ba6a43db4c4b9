// The benchmark's window drawn by the toolkit from bench.xml.
#pragma once

#include "toolkit/window_impl_base.h"

class SkinnedWindow : public WindowImplBase {
public:
    // CWindowWnd
    const wchar_t* GetWindowClassName() const override;

    // WindowImplBase
    CDuiString GetSkinFolder() override;
    CDuiString GetSkinFile() override;
};
