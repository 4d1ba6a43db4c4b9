// Registration of custom address schemes, offered once in every process.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_string.h"

class CefSchemeRegistrar : public virtual CefBase {
public:
    virtual bool AddCustomScheme(const CefString& schemeName, bool isStandard, bool isLocal,
                                 bool isDisplayIsolated) = 0;
};
