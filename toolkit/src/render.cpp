#include "render.h"

#include "dib_section.h"
#include "skin_image.h"

namespace {

constexpr DWORD kAlphaMask = 0xFF000000;
constexpr int kAlphaShift = 24;

BLENDFUNCTION PerPixelBlend()
{
    BLENDFUNCTION blend = {};
    blend.BlendOp = AC_SRC_OVER;
    blend.SourceConstantAlpha = 0xFF;
    blend.AlphaFormat = AC_SRC_ALPHA;
    return blend;
}

// A one-pixel premultiplied bitmap, stretched to blend a translucent colour.
void BlendColor(HDC hdc, const RECT& rect, DWORD argb)
{
    const DWORD alpha = argb >> kAlphaShift;
    auto premultiply = [alpha](DWORD channel) { return channel * alpha / 0xFF; };
    const DWORD pixel = (alpha << kAlphaShift) | (premultiply((argb >> 16) & 0xFF) << 16) |
                        (premultiply((argb >> 8) & 0xFF) << 8) | premultiply(argb & 0xFF);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDibSection32({1, 1}, &bits);
    if (!bitmap) {
        return;
    }
    *static_cast<DWORD*>(bits) = pixel;
    HDC source = CreateCompatibleDC(hdc);
    HGDIOBJ previous = SelectObject(source, bitmap);
    AlphaBlend(hdc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source, 0, 0, 1, 1,
               PerPixelBlend());
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(bitmap);
}

}  // namespace

COLORREF ToColorRef(DWORD argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

void FillArgb(HDC hdc, const RECT& rect, DWORD argb)
{
    if ((argb & kAlphaMask) == 0 || IsRectEmpty(&rect)) {
        return;
    }
    if ((argb & kAlphaMask) != kAlphaMask) {
        BlendColor(hdc, rect, argb);
        return;
    }
    const COLORREF previous = SetDCBrushColor(hdc, ToColorRef(argb));
    FillRect(hdc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(hdc, previous);
}

void DrawSkinImage(HDC hdc, const SkinImage& image, const RECT& rect)
{
    if (IsRectEmpty(&rect)) {
        return;
    }
    const SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    // Blended one to one from a copy at the rectangle's size: the system's
    // own stretching has no smoothing filter for blended pictures.
    const SkinImage* drawn = image.AtSize(size);
    if (!drawn) {
        drawn = &image;
    }
    AlphaBlend(hdc, rect.left, rect.top, size.cx, size.cy, drawn->dc, 0, 0, drawn->size.cx, drawn->size.cy,
               PerPixelBlend());
}

void DrawLabelText(HDC hdc, const wchar_t* text, const RECT& rect, HFONT font, DWORD argb, UINT horizontalAlign)
{
    if (!text || !*text || IsRectEmpty(&rect)) {
        return;
    }
    HGDIOBJ previousFont = SelectObject(hdc, font);
    const int previousMode = SetBkMode(hdc, TRANSPARENT);
    const COLORREF previousColor = SetTextColor(hdc, ToColorRef(argb));
    RECT box = rect;
    DrawTextW(hdc, text, -1, &box, horizontalAlign | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    SetTextColor(hdc, previousColor);
    SetBkMode(hdc, previousMode);
    SelectObject(hdc, previousFont);
}
