#include "hresult_text.h"

#include <cstdio>

std::wstring HresultText(HRESULT hr)
{
    wchar_t text[32];
    swprintf(text, sizeof(text) / sizeof(text[0]), L"error 0x%08lX", static_cast<unsigned long>(hr));
    return text;
}
