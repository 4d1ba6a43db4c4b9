// A request the engine is about to make.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_string.h"

class CefRequest : public virtual CefBase {
public:
    virtual CefString GetURL() = 0;
};
