// The toolkit's wide string: what skins, controls and notifications carry.
#pragma once

#include <string>

class CDuiString {
public:
    CDuiString() = default;
    // length -1 takes the text up to its terminator; a null text is empty.
    CDuiString(const wchar_t* text, int length = -1);
    CDuiString(const std::wstring& text);

    const wchar_t* GetData() const { return m_text.c_str(); }
    operator const wchar_t*() const { return m_text.c_str(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const std::wstring& Str() const { return m_text; }

    bool operator==(const wchar_t* other) const;
    bool operator!=(const wchar_t* other) const { return !(*this == other); }
    bool operator==(const CDuiString& other) const { return m_text == other.m_text; }
    bool operator!=(const CDuiString& other) const { return m_text != other.m_text; }

    CDuiString operator+(const wchar_t* other) const;
    CDuiString operator+(const CDuiString& other) const;
    CDuiString& operator+=(const wchar_t* other);
    CDuiString& operator+=(const CDuiString& other);

private:
    std::wstring m_text;
};

CDuiString operator+(const wchar_t* left, const CDuiString& right);
// A literal on the left compares text too, never pointers.
inline bool operator==(const wchar_t* left, const CDuiString& right) { return right == left; }
inline bool operator!=(const wchar_t* left, const CDuiString& right) { return right != left; }
