// Skin images are decoded on any thread, whether the program has started
// COM there or not, and the thread's COM is left as the toolkit found it.
#include <objbase.h>

#include <string>
#include <thread>

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

}  // namespace
