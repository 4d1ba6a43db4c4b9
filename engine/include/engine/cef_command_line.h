// An engine command line.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_string.h"

class CefCommandLine : public virtual CefBase {
public:
    // The browser process's own command line (read-only), or null before the
    // engine has set it up.
    static CefRefPtr<CefCommandLine> GetGlobalCommandLine();

    // Appends a switch without a value; a leading "--" may be given or left out.
    virtual void AppendSwitch(const CefString& name) = 0;
    // Appends a switch with its value ("--name=value"); the name as above.
    virtual void AppendSwitchWithValue(const CefString& name, const CefString& value) = 0;
    // Whether the switch is present; the name is given without its leading "--".
    virtual bool HasSwitch(const CefString& name) = 0;
    virtual CefString GetCommandLineString() = 0;
};
