// Pictures of the X display: GDI reads the screen, the imaging component writes PNG.
#include "driver.h"

#include <wincodec.h>
#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

namespace driver {
namespace {

constexpr WORD kBitsPerPixel = 24;

// A copy of part of the screen: rows top first, each padded to four bytes.
struct ScreenImage {
    UINT width = 0;
    UINT height = 0;
    UINT stride = 0;
    std::vector<BYTE> pixels;
};

UINT RowStride(UINT width)
{
    return ((width * kBitsPerPixel + 31) / 32) * 4;
}

RECT VirtualScreen()
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

bool CaptureScreen(const RECT& area, ScreenImage* image)
{
    const int left = area.left;
    const int top = area.top;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return false;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (memory && bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY | CAPTUREBLT) != FALSE;
        GdiFlush();
        SelectObject(memory, previous);
    }
    if (copied) {
        image->width = static_cast<UINT>(width);
        image->height = static_cast<UINT>(height);
        image->stride = RowStride(image->width);
        const BYTE* first = static_cast<const BYTE*>(bits);
        image->pixels.assign(first, first + static_cast<size_t>(image->stride) * image->height);
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (memory)
        DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied;
}

bool WritePng(const ScreenImage& image, const std::wstring& path)
{
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))))
        return false;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    if (FAILED(factory->CreateStream(&stream)) || FAILED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(&frame, nullptr)) || FAILED(frame->Initialize(nullptr)) ||
        FAILED(frame->SetSize(image.width, image.height)))
        return false;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR)
        return false;
    auto* pixels = const_cast<BYTE*>(image.pixels.data());
    return SUCCEEDED(frame->WritePixels(image.height, image.stride, static_cast<UINT>(image.pixels.size()), pixels)) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

// COM for the calling thread, in whatever mode the thread already has.
class ComScope {
public:
    ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(m_result))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT m_result;
};

}  // namespace

bool SaveScreenshot(const std::wstring& pngPath)
{
    ScreenImage image;
    if (!CaptureScreen(VirtualScreen(), &image))
        return false;
    ComScope com;
    if (WritePng(image, pngPath))
        return true;
    DeleteFileW(pngPath.c_str());
    return false;
}

std::wstring SaveScreenshotInTempFolder(const std::wstring& name)
{
    wchar_t folder[MAX_PATH] = {};
    if (!GetTempPathW(MAX_PATH, folder))
        return std::wstring();
    const std::wstring path = std::wstring(folder) + name;
    return SaveScreenshot(path) ? path : std::wstring();
}

std::vector<COLORREF> ScreenColours(const RECT& screen)
{
    ScreenImage image;
    if (!CaptureScreen(screen, &image))
        return {};
    constexpr UINT kBytesPerPixel = kBitsPerPixel / 8;
    std::vector<COLORREF> colours;
    colours.reserve(static_cast<size_t>(image.width) * image.height);
    for (UINT row = 0; row < image.height; ++row) {
        const BYTE* bgr = image.pixels.data() + static_cast<size_t>(row) * image.stride;
        for (UINT column = 0; column < image.width; ++column, bgr += kBytesPerPixel)
            colours.push_back(RGB(bgr[2], bgr[1], bgr[0]));
    }
    return colours;
}

COLORREF PixelAt(POINT screen)
{
    HDC dc = GetDC(nullptr);
    const COLORREF colour = GetPixel(dc, screen.x, screen.y);
    ReleaseDC(nullptr, dc);
    return colour;
}

}  // namespace driver
