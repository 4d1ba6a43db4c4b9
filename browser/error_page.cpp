#include "browser/error_page.h"

std::string HtmlEscape(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\'': escaped += "&#39;"; break;
        default: escaped += c; break;
        }
    }
    return escaped;
}

std::string ErrorPageHtml(const std::string& failedUrl, const std::string& errorText, int errorCode)
{
    return "<html><body bgcolor=\"white\"><h2>Failed to load URL " + HtmlEscape(failedUrl) + " with error " +
           HtmlEscape(errorText) + " (" + std::to_string(errorCode) + ").</h2></body></html>";
}
