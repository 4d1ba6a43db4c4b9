// A window's chance to see its messages before the controls do.
#pragma once

#include <windows.h>

class IMessageFilterUI {
public:
    // Setting handled ends the toolkit's processing of the message with the result returned.
    virtual LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& handled) = 0;

protected:
    ~IMessageFilterUI() = default;
};
