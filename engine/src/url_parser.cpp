#include "capi/capi_values.h"
#include "engine/cef_parser.h"
#include "string_interop.h"

#include <initializer_list>

using engine_internal::EngineView;
using engine_internal::FromEngine;

bool CefParseURL(const CefString& url, CefURLParts& parts)
{
    parts = CefURLParts();
    const cef_string_t address = EngineView(url);
    cef_urlparts_t engineParts = {};
    const bool valid = cef_parse_url(&address, &engineParts) != 0;
    const std::initializer_list<std::pair<cef_string_t*, CefString*>> fields = {
        {&engineParts.whole, &parts.whole},       {&engineParts.scheme, &parts.scheme},
        {&engineParts.username, &parts.username}, {&engineParts.password, &parts.password},
        {&engineParts.host, &parts.host},       {&engineParts.port, &parts.port},
        {&engineParts.origin, &parts.origin},   {&engineParts.path, &parts.path},
        {&engineParts.query, &parts.query},
    };
    for (const auto& [engineField, field] : fields) {
        if (valid)
            *field = FromEngine(engineField);
        // The engine fills the parts with copies of its own; they are ours to free.
        cef_string_utf16_clear(engineField);
    }
    return valid;
}
