// Stacks the visible children left to right: fixed widths are kept, the other children share the width that is left; each child spans the height unless it has a fixed height.
#pragma once

#include "toolkit/container.h"

class CHorizontalLayoutUI : public CContainerUI {
public:
    // CControlUI
    const wchar_t* GetClass() const override;

protected:
    // CContainerUI
    void LayoutChildren() override;
};
