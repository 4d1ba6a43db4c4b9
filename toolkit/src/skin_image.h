// A decoded skin image: premultiplied 32-bit pixels ready for AlphaBlend.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

struct SkinImage {
    // bits: the bitmap's pixels, size.cx * size.cy of them.
    SkinImage(HBITMAP bitmap, void* bits, SIZE size);
    ~SkinImage();
    SkinImage(const SkinImage&) = delete;
    SkinImage& operator=(const SkinImage&) = delete;

    // The image at that size: itself at its own size, else a smoothly
    // resized copy, kept until another size is asked for (a control is drawn
    // at one size until the window's size or DPI changes). Null when the copy
    // cannot be made.
    const SkinImage* AtSize(SIZE wanted) const;

    HBITMAP bitmap;
    void* bits;
    SIZE size;
    // Keeps the bitmap selected so drawing needs no DC of its own.
    HDC dc;
    HGDIOBJ previousBitmap;

private:
    mutable std::unique_ptr<SkinImage> m_resized;
};

// Decodes any format the system's imaging component reads (PNG with alpha
// among them). Null with a reason in error when it cannot. Uses the thread's
// COM, or starts COM for the decoding and ends it again.
std::unique_ptr<SkinImage> LoadSkinImage(const std::wstring& path, std::wstring& error);
