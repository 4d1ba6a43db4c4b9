// Answers a request for credentials, now or later.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_string.h"

class CefAuthCallback : public virtual CefBase {
public:
    virtual void Continue(const CefString& username, const CefString& password) = 0;
    virtual void Cancel() = 0;
};
