// A frame of a browser's page.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_string.h"

class CefFrame : public virtual CefBase {
public:
    virtual void LoadURL(const CefString& url) = 0;
    // Shows html as the page of the given address.
    virtual void LoadString(const CefString& html, const CefString& url) = 0;
    virtual CefString GetURL() = 0;
    virtual bool IsMain() = 0;
};
