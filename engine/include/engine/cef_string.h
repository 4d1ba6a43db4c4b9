// The engine's string: UTF-16 text owned by this object. Built from and
// converted to wide strings (UTF-16 on Windows) and UTF-8.
#pragma once

#include <cstddef>
#include <string>

static_assert(sizeof(wchar_t) == 2, "the engine's strings are UTF-16, which wchar_t is on Windows");

class CefString {
public:
    CefString() = default;
    CefString(const wchar_t* text);  // null gives the empty string
    CefString(const wchar_t* text, std::size_t length);
    CefString(const std::wstring& text) : text_(text) {}
    CefString(std::wstring&& text) noexcept : text_(std::move(text)) {}
    CefString(const char* utf8);  // null gives the empty string
    CefString(const std::string& utf8);

    const wchar_t* c_str() const noexcept { return text_.c_str(); }
    std::size_t length() const noexcept { return text_.length(); }
    bool empty() const noexcept { return text_.empty(); }
    void clear() noexcept { text_.clear(); }

    const std::wstring& ToWString() const noexcept { return text_; }
    std::string ToString() const;  // UTF-8
    void FromWString(const std::wstring& text) { text_ = text; }
    // Invalid UTF-8 sequences become replacement characters.
    void FromString(const std::string& utf8);

    operator std::wstring() const { return text_; }
    operator std::string() const { return ToString(); }

    friend bool operator==(const CefString& a, const CefString& b) noexcept { return a.text_ == b.text_; }
    friend bool operator!=(const CefString& a, const CefString& b) noexcept { return a.text_ != b.text_; }
    friend bool operator<(const CefString& a, const CefString& b) noexcept { return a.text_ < b.text_; }

private:
    std::wstring text_;
};
