// Stacks the visible children top to bottom: fixed heights are kept, the other children share the height that is left; each child spans the width unless it has a fixed width.
#pragma once

#include "toolkit/container.h"

class CVerticalLayoutUI : public CContainerUI {
public:
    // CControlUI
    const wchar_t* GetClass() const override;

protected:
    // CContainerUI
    void LayoutChildren() override;
};
