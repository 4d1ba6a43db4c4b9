// The one-line page shown in a frame whose load failed.
#pragma once

#include <string>

// Escapes the five characters with a meaning in HTML text and attribute
// values (&, <, >, ", '), so inserted text cannot add markup or script.
std::string HtmlEscape(const std::string& text);

// The error page for a failed load, as UTF-8 HTML. The address and the error
// text are escaped; the code is written as a signed decimal.
std::string ErrorPageHtml(const std::string& failedUrl, const std::string& errorText, int errorCode);
