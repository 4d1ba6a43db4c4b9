// Reading skin attribute values. Each parser returns false, leaving its
// output alone, when the text is not exactly what it expects. Integers lie
// between -32767 and 32767.
#pragma once

#include <windows.h>

#include <vector>

bool ParseInt(const wchar_t* text, int& value);
// count integers separated by commas, blanks allowed around them.
bool ParseIntList(const wchar_t* text, size_t count, std::vector<int>& values);
// "left,top,right,bottom"
bool ParseRect(const wchar_t* text, RECT& rect);
// "width,height"
bool ParseSize(const wchar_t* text, SIZE& size);
// "#RRGGBB" (opaque) or "#AARRGGBB", as 0xAARRGGBB.
bool ParseColor(const wchar_t* text, DWORD& argb);
// "true" or "false"
bool ParseBool(const wchar_t* text, bool& value);
