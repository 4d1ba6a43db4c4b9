// Screen pixels and PNG pictures of the whole display.
#include "driver.h"
#include "test_window.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

using Microsoft::WRL::ComPtr;

namespace {

constexpr DWORD kPaintTimeoutMs = 3000;
constexpr COLORREF kLeftColour = RGB(0x12, 0xc8, 0x22);
constexpr COLORREF kRightColour = RGB(0xd0, 0x30, 0x90);

std::wstring TempPath(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

unsigned BigEndian32(const unsigned char* bytes)
{
    return (unsigned(bytes[0]) << 24) | (unsigned(bytes[1]) << 16) | (unsigned(bytes[2]) << 8) | bytes[3];
}

// A PNG file as a decoder sees it: its size and the colour of chosen pixels.
class DecodedPng {
public:
    explicit DecodedPng(const std::wstring& path)
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ComPtr<IWICImagingFactory> factory;
        ComPtr<IWICBitmapDecoder> decoder;
        ComPtr<IWICBitmapFrameDecode> frame;
        if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
            FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                      WICDecodeMetadataCacheOnDemand, &decoder)) ||
            FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&m_pixels)) ||
            FAILED(m_pixels->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
                                        0.0, WICBitmapPaletteTypeCustom)) ||
            FAILED(m_pixels->GetSize(&m_width, &m_height)))
            m_pixels.Reset();
    }

    bool decoded() const { return m_pixels != nullptr; }
    UINT width() const { return m_width; }
    UINT height() const { return m_height; }

    COLORREF At(POINT point) const
    {
        const WICRect one = {point.x, point.y, 1, 1};
        BYTE bgra[4] = {};
        m_pixels->CopyPixels(&one, sizeof bgra, sizeof bgra, bgra);
        return RGB(bgra[2], bgra[1], bgra[0]);
    }

private:
    ComPtr<IWICFormatConverter> m_pixels;
    UINT m_width = 0;
    UINT m_height = 0;
};

TestWindow::Options Painted(RECT bounds, COLORREF colour)
{
    TestWindow::Options options;
    options.caption = L"driver screen";
    options.bounds = bounds;
    options.colour = colour;
    return options;
}

// Two windows side by side, each painted in its own colour.
class DriverScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(driver::WaitFor([] { return driver::PixelAt({750, 550}) == kLeftColour; }, kPaintTimeoutMs));
        ASSERT_TRUE(driver::WaitFor([] { return driver::PixelAt({850, 550}) == kRightColour; }, kPaintTimeoutMs));
    }

    TestWindow m_left{Painted({700, 500, 800, 600}, kLeftColour)};
    TestWindow m_right{Painted({800, 500, 900, 600}, kRightColour)};
};

TEST_F(DriverScreen, ReadsPixelsWhereWindowsPaintedThem)
{
    EXPECT_EQ(driver::PixelAt({700, 500}), kLeftColour);
    EXPECT_EQ(driver::PixelAt({799, 599}), kLeftColour);
    EXPECT_EQ(driver::PixelAt({800, 500}), kRightColour);
    ShowWindow(m_left.handle(), SW_HIDE);
    EXPECT_TRUE(driver::WaitFor([] { return driver::PixelAt({750, 550}) != kLeftColour; }, kPaintTimeoutMs))
        << "a hidden window leaves the screen";
}

TEST_F(DriverScreen, ReadsTheColoursOfARectangleRowByRow)
{
    // Two rows of four pixels across the border of the two windows.
    const std::vector<COLORREF> colours = driver::ScreenColours({798, 550, 802, 552});
    const std::vector<COLORREF> expected = {kLeftColour, kLeftColour, kRightColour, kRightColour,
                                            kLeftColour, kLeftColour, kRightColour, kRightColour};
    EXPECT_EQ(colours, expected);
    EXPECT_TRUE(driver::ScreenColours({800, 500, 800, 600}).empty()) << "an empty rectangle has no pixels";
}

TEST_F(DriverScreen, SavesTheWholeDisplayAsPng)
{
    const std::wstring path = TempPath(L"driver_screen_test.png");
    DeleteFileW(path.c_str());
    ASSERT_EQ(driver::SaveScreenshotInTempFolder(L"driver_screen_test.png"), path);

    std::ifstream file(path.c_str(), std::ios::binary);
    unsigned char header[24] = {};
    ASSERT_TRUE(file.read(reinterpret_cast<char*>(header), sizeof header));
    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    EXPECT_TRUE(std::equal(signature, signature + 8, header));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(header) + 12, 4), "IHDR");
    const unsigned screenWidth = static_cast<unsigned>(GetSystemMetrics(SM_CXSCREEN));
    const unsigned screenHeight = static_cast<unsigned>(GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(BigEndian32(header + 16), screenWidth);
    EXPECT_EQ(BigEndian32(header + 20), screenHeight);
    file.close();

    const DecodedPng png(path);
    ASSERT_TRUE(png.decoded());
    EXPECT_EQ(png.width(), screenWidth);
    EXPECT_EQ(png.height(), screenHeight);
    EXPECT_EQ(png.At({750, 550}), kLeftColour);
    EXPECT_EQ(png.At({700, 500}), kLeftColour);
    EXPECT_EQ(png.At({850, 550}), kRightColour);
    EXPECT_EQ(png.At({899, 599}), kRightColour);
    EXPECT_NE(png.At({750, 601}), kLeftColour) << "the picture is not shifted or stretched";
    EXPECT_EQ(png.At({750, 601}), driver::PixelAt({750, 601}));
    DeleteFileW(path.c_str());
}

TEST_F(DriverScreen, ReportsAPictureThatCannotBeWritten)
{
    EXPECT_FALSE(driver::SaveScreenshot(TempPath(L"no such folder\\driver.png")));
    EXPECT_FALSE(driver::SaveScreenshot(L""));
    EXPECT_EQ(driver::SaveScreenshotInTempFolder(L"no such folder\\driver.png"), L"");
}

}  // namespace
