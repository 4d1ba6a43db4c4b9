#include "attribute_values.h"

#include <cwchar>
#include <cwctype>

namespace {

constexpr DWORD kOpaqueAlpha = 0xFF000000;
constexpr size_t kRgbDigits = 6;
constexpr size_t kArgbDigits = 8;
// Larger magnitudes are malformed: the layouts add sizes, paddings and insets
// up, and with the skin file's bounded size the sums stay well inside int.
constexpr long long kLargestMagnitude = 32767;

const wchar_t* SkipBlanks(const wchar_t* p)
{
    while (*p == L' ' || *p == L'\t') {
        ++p;
    }
    return p;
}

// Reads one integer at p; returns the position after it, or null.
const wchar_t* ReadInt(const wchar_t* p, int& value)
{
    p = SkipBlanks(p);
    bool negative = false;
    if (*p == L'-' || *p == L'+') {
        negative = *p == L'-';
        ++p;
    }
    if (!iswdigit(*p)) {
        return nullptr;
    }
    long long magnitude = 0;
    while (iswdigit(*p)) {
        magnitude = magnitude * 10 + (*p - L'0');
        if (magnitude > kLargestMagnitude) {
            return nullptr;
        }
        ++p;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return SkipBlanks(p);
}

}  // namespace

bool ParseInt(const wchar_t* text, int& value)
{
    std::vector<int> values;
    if (!ParseIntList(text, 1, values)) {
        return false;
    }
    value = values[0];
    return true;
}

bool ParseIntList(const wchar_t* text, size_t count, std::vector<int>& values)
{
    if (!text || count == 0) {
        return false;
    }
    std::vector<int> read;
    const wchar_t* p = text;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) {
            if (*p != L',') {
                return false;
            }
            ++p;
        }
        int value = 0;
        p = ReadInt(p, value);
        if (!p) {
            return false;
        }
        read.push_back(value);
    }
    if (*p != L'\0') {
        return false;
    }
    values = read;
    return true;
}

bool ParseRect(const wchar_t* text, RECT& rect)
{
    std::vector<int> v;
    if (!ParseIntList(text, 4, v)) {
        return false;
    }
    rect = {v[0], v[1], v[2], v[3]};
    return true;
}

bool ParseSize(const wchar_t* text, SIZE& size)
{
    std::vector<int> v;
    if (!ParseIntList(text, 2, v)) {
        return false;
    }
    size = {v[0], v[1]};
    return true;
}

bool ParseColor(const wchar_t* text, DWORD& argb)
{
    if (!text || text[0] != L'#') {
        return false;
    }
    const wchar_t* digits = text + 1;
    const size_t length = wcslen(digits);
    if (length != kRgbDigits && length != kArgbDigits) {
        return false;
    }
    DWORD value = 0;
    for (size_t i = 0; i < length; ++i) {
        if (!iswxdigit(digits[i])) {
            return false;
        }
        const wchar_t c = static_cast<wchar_t>(towlower(digits[i]));
        value = value * 16 + static_cast<DWORD>(c <= L'9' ? c - L'0' : c - L'a' + 10);
    }
    argb = length == kRgbDigits ? (value | kOpaqueAlpha) : value;
    return true;
}

bool ParseBool(const wchar_t* text, bool& value)
{
    if (!text) {
        return false;
    }
    if (wcscmp(text, L"true") == 0) {
        value = true;
        return true;
    }
    if (wcscmp(text, L"false") == 0) {
        value = false;
        return true;
    }
    return false;
}
