#include "engine/cef_string.h"

#include "string_interop.h"

CefString::CefString(const wchar_t* text)
{
    if (text)
        text_.assign(text);
}

CefString::CefString(const wchar_t* text, std::size_t length)
{
    if (text)
        text_.assign(text, length);
}

CefString::CefString(const char* utf8)
{
    if (utf8)
        FromString(utf8);
}

CefString::CefString(const std::string& utf8)
{
    FromString(utf8);
}

std::string CefString::ToString() const
{
    cef_string_utf8_t converted = {};
    cef_string_utf16_to_utf8(text_.data(), text_.length(), &converted);
    std::string result = converted.str ? std::string(converted.str, converted.length) : std::string();
    cef_string_utf8_clear(&converted);
    return result;
}

void CefString::FromString(const std::string& utf8)
{
    cef_string_utf16_t converted = {};
    cef_string_utf8_to_utf16(utf8.data(), utf8.length(), &converted);
    if (converted.str)
        text_.assign(converted.str, converted.length);
    else
        text_.clear();
    cef_string_utf16_clear(&converted);
}

namespace engine_internal {

cef_string_t EngineView(const CefString& text)
{
    cef_string_t view = {};
    view.str = const_cast<wchar_t*>(text.c_str());
    view.length = text.length();
    return view;
}

CefString FromEngine(const cef_string_t* text)
{
    if (!text || !text->str)
        return CefString();
    return CefString(text->str, text->length);
}

CefString TakeUserFree(cef_string_userfree_t text)
{
    CefString copy = FromEngine(text);
    if (text)
        cef_string_userfree_utf16_free(text);
    return copy;
}

void CopyToEngine(const CefString& text, cef_string_t* target)
{
    if (!target)
        return;
    cef_string_utf16_clear(target);
    cef_string_utf16_set(text.c_str(), text.length(), target, 1);
}

std::vector<CefString> FromEngineList(cef_string_list_t list)
{
    std::vector<CefString> strings;
    if (!list)
        return strings;
    const int count = cef_string_list_size(list);
    for (int i = 0; i < count; ++i) {
        cef_string_t value = {};
        cef_string_list_value(list, i, &value);
        strings.push_back(FromEngine(&value));
        cef_string_utf16_clear(&value);
    }
    return strings;
}

}  // namespace engine_internal
