// A message between the engine's processes.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_string.h"

class CefProcessMessage : public virtual CefBase {
public:
    virtual CefString GetName() = 0;
};
