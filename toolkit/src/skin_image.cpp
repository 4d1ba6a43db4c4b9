#include "skin_image.h"

#include <wincodec.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "dib_section.h"
#include "hresult_text.h"
#include "image_resample.h"

namespace {

constexpr UINT kBytesPerPixel = 4;

std::wstring Failure(const wchar_t* what, HRESULT hr)
{
    return std::wstring(what) + L" (" + HresultText(hr) + L")";
}

template <typename T>
void Release(T*& object)
{
    if (object) {
        object->Release();
        object = nullptr;
    }
}

// Decodes through a factory of its own: none outlives the decoding.
std::unique_ptr<SkinImage> Decode(const std::wstring& path, std::wstring& error)
{
    IWICImagingFactory* factory = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(&factory));
    if (FAILED(hr)) {
        error = Failure(L"no imaging component", hr);
        return nullptr;
    }
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    std::unique_ptr<SkinImage> image;
    UINT width = 0;
    UINT height = 0;
    hr = factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                            &decoder);
    if (SUCCEEDED(hr)) {
        hr = decoder->GetFrame(0, &frame);
    }
    if (SUCCEEDED(hr)) {
        hr = factory->CreateFormatConverter(&converter);
    }
    if (SUCCEEDED(hr)) {
        hr = converter->Initialize(frame, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom);
    }
    if (SUCCEEDED(hr)) {
        hr = converter->GetSize(&width, &height);
    }
    if (SUCCEEDED(hr) && (width == 0 || height == 0)) {
        hr = E_FAIL;
    }
    if (SUCCEEDED(hr)) {
        const SIZE size = {static_cast<LONG>(width), static_cast<LONG>(height)};
        void* bits = nullptr;
        // Top-down rows, as the decoder delivers them.
        HBITMAP bitmap = CreateDibSection32(size, &bits);
        if (!bitmap) {
            hr = E_OUTOFMEMORY;
        } else {
            const UINT stride = width * kBytesPerPixel;
            hr = converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits));
            if (SUCCEEDED(hr)) {
                image = std::make_unique<SkinImage>(bitmap, bits, size);
            } else {
                DeleteObject(bitmap);
            }
        }
    }
    if (!image) {
        error = Failure(L"not a readable image", hr);
    }
    Release(converter);
    Release(frame);
    Release(decoder);
    Release(factory);
    return image;
}

}  // namespace

SkinImage::SkinImage(HBITMAP bitmap_, void* bits_, SIZE size_) : bitmap(bitmap_), bits(bits_), size(size_)
{
    dc = CreateCompatibleDC(nullptr);
    previousBitmap = SelectObject(dc, bitmap);
}

SkinImage::~SkinImage()
{
    SelectObject(dc, previousBitmap);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

const SkinImage* SkinImage::AtSize(SIZE wanted) const
{
    if (wanted.cx == size.cx && wanted.cy == size.cy) {
        return this;
    }
    if (m_resized && m_resized->size.cx == wanted.cx && m_resized->size.cy == wanted.cy) {
        return m_resized.get();
    }
    m_resized.reset();
    if (wanted.cx <= 0 || wanted.cy <= 0) {
        return nullptr;
    }
    void* resizedBits = nullptr;
    HBITMAP resized = CreateDibSection32(wanted, &resizedBits);
    if (!resized) {
        return nullptr;
    }
    GdiFlush();
    const std::vector<uint32_t> pixels = ResamplePixels(static_cast<const uint32_t*>(bits), size, wanted);
    std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t*>(resizedBits));
    m_resized = std::make_unique<SkinImage>(resized, resizedBits, wanted);
    return m_resized.get();
}

std::unique_ptr<SkinImage> LoadSkinImage(const std::wstring& path, std::wstring& error)
{
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        error = L"file not found";
        return nullptr;
    }
    // The program has usually started COM on this thread; otherwise it is
    // started for this one decoding. Either way the thread's initialisations
    // are as they were afterwards. A thread of the multithreaded apartment
    // refuses the call and decodes in that apartment.
    const bool comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    std::unique_ptr<SkinImage> image = Decode(path, error);
    if (comStarted) {
        CoUninitialize();
    }
    return image;
}
