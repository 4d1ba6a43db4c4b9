// A request the engine is about to make.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_string.h"
#include "engine/cef_types.h"

class CefRequest : public virtual CefBase {
public:
    virtual CefString GetURL() = 0;
    // A frame's document (main or sub-frame) or one of the resources a page uses.
    virtual cef_resource_type_t GetResourceType() = 0;
};
