// A frame of a browser's page.
#pragma once

#include "engine/cef_base.h"
#include "engine/cef_string.h"
#include "engine/cef_string_visitor.h"

class CefFrame : public virtual CefBase {
public:
    virtual void LoadURL(const CefString& url) = 0;
    // Shows html as the page of the given address.
    virtual void LoadString(const CefString& html, const CefString& url) = 0;
    // Runs code in the frame's current document, later, in its render
    // process; scriptUrl and startLine name it in the page's error reports.
    virtual void ExecuteJavaScript(const CefString& code, const CefString& scriptUrl, int startLine) = 0;
    virtual CefString GetURL() = 0;
    virtual bool IsMain() = 0;
    // The frame's document as HTML, and its text, handed to the visitor later
    // on the engine's UI thread.
    virtual void GetSource(CefRefPtr<CefStringVisitor> visitor) = 0;
    virtual void GetText(CefRefPtr<CefStringVisitor> visitor) = 0;
};
