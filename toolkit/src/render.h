// Drawing primitives shared by the controls.
#pragma once

#include <windows.h>

struct SkinImage;

// 0xAARRGGBB; alpha 0 draws nothing, partial alpha blends.
void FillArgb(HDC hdc, const RECT& rect, DWORD argb);
// Resized smoothly to the rectangle, blended through its alpha.
void DrawSkinImage(HDC hdc, const SkinImage& image, const RECT& rect);
// One line, vertically centred, cut with an ellipsis when too long.
void DrawLabelText(HDC hdc, const wchar_t* text, const RECT& rect, HFONT font, DWORD argb, UINT horizontalAlign);
COLORREF ToColorRef(DWORD argb);
