// Skin images are decoded on any thread, whether the program has started
// COM there or not, and the thread's COM is left as the toolkit found it.
// Decoded once, they serve the thread's later windows until their file changes.
#include <objbase.h>

#include <string>
#include <thread>
#include <vector>

#include "skinned_window_test.h"

namespace {

constexpr wchar_t kReadableImage[] = L"images/half_red.png";

struct ThreadOutcome {
    bool imageDecoded = false;
    std::wstring problems;
    // What asking for the multithreaded apartment gave once the window was gone.
    HRESULT multithreadedAfterwards = E_FAIL;
};

// On a thread of its own: opens a window whose skin has images, between an
// optional CoInitializeEx of the thread's own and its balancing CoUninitialize,
// then asks for the multithreaded apartment. Only a thread whose COM is no
// longer initialised gets S_OK.
ThreadOutcome OpenImagesOnAThread(bool threadStartsCom)
{
    ThreadOutcome outcome;
    std::thread worker([&outcome, threadStartsCom] {
        const bool started = threadStartsCom && SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        {
            TestWindow window(L"bad_images.xml");
            if (window.CreateTopLevel()) {
                driver::PumpMessagesFor(kShowSettleMs);
                outcome.imageDecoded = window.Manager().GetImage(kReadableImage) != nullptr;
                outcome.problems = ProblemsOf(window.Manager());
            }
        }
        if (started) {
            CoUninitialize();
        }
        outcome.multithreadedAfterwards = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(outcome.multithreadedAfterwards)) {
            CoUninitialize();
        }
    });
    worker.join();
    return outcome;
}

using SkinImages = SkinnedWindowTest;

TEST_F(SkinImages, DecodeOnAThreadWithoutComAndLeaveItWithout)
{
    const ThreadOutcome outcome = OpenImagesOnAThread(false);
    EXPECT_TRUE(outcome.imageDecoded) << outcome.problems;
    EXPECT_FALSE(Contains(outcome.problems, L"half_red.png")) << outcome.problems;
    EXPECT_EQ(outcome.multithreadedAfterwards, S_OK) << "the toolkit left COM initialised on the thread";
}

TEST_F(SkinImages, DecodeWithTheProgramsComAndAddNothingToIt)
{
    const ThreadOutcome outcome = OpenImagesOnAThread(true);
    EXPECT_TRUE(outcome.imageDecoded) << outcome.problems;
    EXPECT_FALSE(Contains(outcome.problems, L"half_red.png")) << outcome.problems;
    EXPECT_EQ(outcome.multithreadedAfterwards, S_OK) << "the toolkit left COM initialised on the thread";
}

// The image file the changing skin shows, in the test skins' folder.
constexpr wchar_t kChangingImage[] = L"images/changing.png";

class SkinImageReuse : public SkinnedWindowTest {
protected:
    void TearDown() override { DeleteFileW(ImagePath(kChangingImage).c_str()); }

    static std::wstring ImagePath(const wchar_t* image)
    {
        return std::wstring(CPaintManagerUI::GetResourcePath().GetData()) + image;
    }

    // Puts a copy of the test image in place of the changing one, written
    // at that time (a copy keeps its source's time).
    static bool ReplaceChangingImage(const wchar_t* source, const SYSTEMTIME& written)
    {
        const std::wstring target = ImagePath(kChangingImage);
        if (!CopyFileW(ImagePath(source).c_str(), target.c_str(), FALSE))
            return false;
        FILETIME time;
        SystemTimeToFileTime(&written, &time);
        const HANDLE file = CreateFileW(target.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        const bool set = file != INVALID_HANDLE_VALUE && SetFileTime(file, nullptr, nullptr, &time);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        return set;
    }

    // Overwrites the file with zeros of its own length and sets its write
    // time back: a decoder would find no picture in it.
    static bool SpoilKeepingStamp(const std::wstring& path, const SYSTEMTIME& written)
    {
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE | FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                        0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        LARGE_INTEGER size = {};
        GetFileSizeEx(file, &size);
        const std::vector<char> zeros(static_cast<size_t>(size.QuadPart));
        DWORD done = 0;
        FILETIME time;
        SystemTimeToFileTime(&written, &time);
        const bool ok = WriteFile(file, zeros.data(), static_cast<DWORD>(zeros.size()), &done, nullptr) &&
                        done == zeros.size() && SetFileTime(file, nullptr, nullptr, &time);
        CloseHandle(file);
        return ok;
    }

    static size_t ThreadWindowCount()
    {
        size_t count = 0;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND, LPARAM counter) {
                ++*reinterpret_cast<size_t*>(counter);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&count));
        return count;
    }

    // The picture's centre as the screen shows it in a window of the skin.
    COLORREF PictureColourInANewWindow(const SkinImage** image)
    {
        TestWindow window(L"changing_image.xml");
        if (!Open(window))
            return CLR_INVALID;
        *image = window.Manager().GetImage(kChangingImage);
        EXPECT_TRUE(ProblemsOf(window.Manager()).empty()) << ProblemsOf(window.Manager());
        return driver::PixelAt(window.ScreenCentreOf(L"picture"));
    }
};

TEST_F(SkinImageReuse, AnUnchangedFileServesLaterWindowsAndAChangedOneShowsAtTheNextWindow)
{
    const SYSTEMTIME first = {2026, 12, 0, 1, 10, 0, 0, 0};
    const SYSTEMTIME later = {2026, 12, 0, 1, 10, 0, 1, 0};
    ASSERT_TRUE(ReplaceChangingImage(L"images/green.png", first));
    const SkinImage* firstImage = nullptr;
    const SkinImage* secondImage = nullptr;
    EXPECT_EQ(PictureColourInANewWindow(&firstImage), RGB(0, 255, 0));
    EXPECT_EQ(PictureColourInANewWindow(&secondImage), RGB(0, 255, 0));
    ASSERT_NE(firstImage, nullptr);
    EXPECT_EQ(secondImage, firstImage) << "the unchanged file was decoded again";

    // Another picture of the same size, written a second later.
    ASSERT_TRUE(ReplaceChangingImage(L"images/half_red.png", later));
    const SkinImage* changedImage = nullptr;
    const COLORREF changed = PictureColourInANewWindow(&changedImage);
    EXPECT_NE(changed, RGB(0, 255, 0)) << "the window showed the file as it was before";
    EXPECT_NE(changedImage, nullptr);

    // Gone: the window reports it and shows its background.
    ASSERT_TRUE(DeleteFileW(ImagePath(kChangingImage).c_str()));
    TestWindow window(L"changing_image.xml");
    ASSERT_TRUE(Open(window));
    EXPECT_EQ(window.Manager().GetImage(kChangingImage), nullptr);
    EXPECT_TRUE(Contains(ProblemsOf(window.Manager()), L"changing.png")) << ProblemsOf(window.Manager());
    EXPECT_EQ(driver::PixelAt(window.ScreenCentreOf(L"picture")), RGB(0x80, 0x80, 0x80));
}

TEST_F(SkinImageReuse, APreloadedSkinMakesNoWindowAndItsImagesServeTheFirstOne)
{
    const SYSTEMTIME written = {2026, 12, 0, 1, 11, 0, 0, 0};
    ASSERT_TRUE(ReplaceChangingImage(L"images/green.png", written));
    const size_t windowsBefore = ThreadWindowCount();
    WindowImplBase::PreloadSkin(CDuiString(), L"changing_image.xml");
    EXPECT_EQ(ThreadWindowCount(), windowsBefore);
    // Its bytes spoiled, its size and time kept: only the preloaded picture can show.
    ASSERT_TRUE(SpoilKeepingStamp(ImagePath(kChangingImage), written));
    const SkinImage* image = nullptr;
    EXPECT_EQ(PictureColourInANewWindow(&image), RGB(0, 255, 0));
    EXPECT_NE(image, nullptr);
}

// The login window's pictures are decoded on a thread of its own while the
// engine starts, for the window the main thread opens after it.
TEST_F(SkinImageReuse, APreloadOnAnotherThreadHandsItsImagesToTheThreadThatOpensTheWindow)
{
    const SYSTEMTIME written = {2026, 12, 0, 1, 12, 0, 0, 0};
    ASSERT_TRUE(ReplaceChangingImage(L"images/green.png", written));
    const size_t windowsBefore = ThreadWindowCount();
    WindowImplBase::BackgroundSkinPreload(CDuiString(), L"changing_image.xml").Wait();
    EXPECT_EQ(ThreadWindowCount(), windowsBefore);
    // Its bytes spoiled, its size and time kept: only the preloaded picture can show.
    ASSERT_TRUE(SpoilKeepingStamp(ImagePath(kChangingImage), written));
    const SkinImage* image = nullptr;
    EXPECT_EQ(PictureColourInANewWindow(&image), RGB(0, 255, 0));
    EXPECT_NE(image, nullptr);

    // Handed over, not shared: a window on a third thread decodes the file
    // itself, and finds no picture in it.
    bool decodedOnThirdThread = true;
    std::thread([&] {
        TestWindow window(L"changing_image.xml");
        if (Open(window))
            decodedOnThirdThread = window.Manager().GetImage(kChangingImage) != nullptr;
    }).join();
    EXPECT_FALSE(decodedOnThirdThread) << "another thread was given the image this thread draws with";
}

}  // namespace
