// The off-screen picture a window is painted into before it is copied to
// the screen in one step, so nothing half-drawn ever shows.
#pragma once

#include <windows.h>

class BackBuffer {
public:
    BackBuffer() = default;
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // A memory DC with a bitmap at least that large, kept while it is large
    // enough. Null when the bitmap cannot be made.
    HDC Prepare(SIZE size);

private:
    void Release();

    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previousBitmap = nullptr;
    SIZE m_size = {};
};
