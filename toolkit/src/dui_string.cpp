#include "toolkit/dui_string.h"

CDuiString::CDuiString(const wchar_t* text, int length)
{
    if (!text) {
        return;
    }
    if (length < 0) {
        m_text.assign(text);
    } else {
        m_text.assign(text, static_cast<size_t>(length));
    }
}

CDuiString::CDuiString(const std::wstring& text) : m_text(text) {}

bool CDuiString::operator==(const wchar_t* other) const
{
    return m_text.compare(other ? other : L"") == 0;
}

CDuiString CDuiString::operator+(const wchar_t* other) const
{
    CDuiString result(*this);
    result += other;
    return result;
}

CDuiString CDuiString::operator+(const CDuiString& other) const
{
    return *this + other.GetData();
}

CDuiString& CDuiString::operator+=(const wchar_t* other)
{
    if (other) {
        m_text.append(other);
    }
    return *this;
}

CDuiString& CDuiString::operator+=(const CDuiString& other)
{
    m_text.append(other.m_text);
    return *this;
}

CDuiString operator+(const wchar_t* left, const CDuiString& right)
{
    return CDuiString(left) + right;
}
