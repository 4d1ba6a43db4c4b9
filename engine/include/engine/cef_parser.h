// Web addresses taken apart by the engine's own parser, the one its browsers
// navigate with, so that a decision about an address sees what a browser sees.
#pragma once

#include "engine/cef_string.h"

// An address's parts, canonical as the engine makes them: scheme and host in
// lower case, a port only when it is not the scheme's default.
struct CefURLParts {
    CefString whole;  // the whole address
    CefString scheme;
    CefString username;
    CefString password;
    CefString host;
    CefString port;
    CefString origin;
    CefString path;
    CefString query;
};

// False, with parts left empty, for an address the engine finds invalid.
bool CefParseURL(const CefString& url, CefURLParts& parts);
