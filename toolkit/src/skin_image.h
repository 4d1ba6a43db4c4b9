// A decoded skin image: premultiplied 32-bit pixels ready for AlphaBlend.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

struct SkinImage {
    SkinImage(HBITMAP bitmap, SIZE size);
    ~SkinImage();
    SkinImage(const SkinImage&) = delete;
    SkinImage& operator=(const SkinImage&) = delete;

    HBITMAP bitmap;
    SIZE size;
    // Keeps the bitmap selected so drawing needs no DC of its own.
    HDC dc;
    HGDIOBJ previousBitmap;
};

// Decodes any format the system's imaging component reads (PNG with alpha
// among them). Null with a reason in error when it cannot. Uses the thread's
// COM, or starts COM for the decoding and ends it again.
std::unique_ptr<SkinImage> LoadSkinImage(const std::wstring& path, std::wstring& error);
