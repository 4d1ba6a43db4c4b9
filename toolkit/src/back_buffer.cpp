#include "back_buffer.h"

#include "dib_section.h"

BackBuffer::~BackBuffer()
{
    Release();
}

HDC BackBuffer::Prepare(SIZE size)
{
    if (m_dc && size.cx <= m_size.cx && size.cy <= m_size.cy) {
        return m_dc;
    }
    Release();
    void* bits = nullptr;
    m_bitmap = CreateDibSection32(size, &bits);
    if (!m_bitmap) {
        return nullptr;
    }
    m_dc = CreateCompatibleDC(nullptr);
    m_previousBitmap = SelectObject(m_dc, m_bitmap);
    m_size = size;
    return m_dc;
}

void BackBuffer::Release()
{
    if (m_dc) {
        SelectObject(m_dc, m_previousBitmap);
        DeleteDC(m_dc);
        m_dc = nullptr;
    }
    if (m_bitmap) {
        DeleteObject(m_bitmap);
        m_bitmap = nullptr;
    }
    m_size = {};
}
