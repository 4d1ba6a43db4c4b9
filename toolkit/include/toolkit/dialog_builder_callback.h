// Supplies the controls of skin element types the toolkit does not know.
#pragma once

class CControlUI;

class IDialogBuilderCallback {
public:
    // A control allocated with new (the toolkit takes ownership), or null when
    // the type is unknown here too; the element is then left out of the tree.
    virtual CControlUI* CreateControl(const wchar_t* className) = 0;

protected:
    ~IDialogBuilderCallback() = default;
};
