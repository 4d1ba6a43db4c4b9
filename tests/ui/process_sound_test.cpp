// The launcher's sound session muted and restored through the system's
// per-process session volume, read back through the same interface. Under
// Wine this needs a playback device: the test's run gives Wine's ALSA driver
// one with nothing behind it (null_sound.conf). Wine then answers every
// request for the process's default session with a new session of its own
// (measured: a mute set through one is not seen through the next, and a
// page's tone never shows as playing in one), where Windows gives the one
// session of the process; there the tests are skipped.
#include "ui/process_sound.h"

#include <gtest/gtest.h>

#include <objbase.h>

namespace {

class ProcessSoundTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        ASSERT_TRUE(ProcessSound::IsMuted().has_value()) << "no playback device or no session for this process";
        ASSERT_TRUE(ProcessSound::SetMuted(true));
        if (ProcessSound::IsMuted() != std::optional<bool>(true))
            GTEST_SKIP() << "each request for this process's default session gives a session of its own";
        ASSERT_TRUE(ProcessSound::SetMuted(false));
    }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(ProcessSoundTest, MuteIsReadBackAndRestoreUnmutes)
{
    ProcessSound sound;
    sound.Mute();
    EXPECT_EQ(ProcessSound::IsMuted(), std::optional<bool>(true));
    // A second hide changes nothing, and one return restores.
    sound.Mute();
    sound.Restore();
    EXPECT_EQ(ProcessSound::IsMuted(), std::optional<bool>(false));
    // A return with nothing muted leaves the session alone.
    ASSERT_TRUE(ProcessSound::SetMuted(true));
    sound.Restore();
    EXPECT_EQ(ProcessSound::IsMuted(), std::optional<bool>(true));
}

TEST_F(ProcessSoundTest, ASessionThePlayerMutedStaysMutedAfterTheReturn)
{
    ASSERT_TRUE(ProcessSound::SetMuted(true));
    ProcessSound sound;
    sound.Mute();
    EXPECT_EQ(ProcessSound::IsMuted(), std::optional<bool>(true));
    sound.Restore();
    EXPECT_EQ(ProcessSound::IsMuted(), std::optional<bool>(true));
}

TEST_F(ProcessSoundTest, AGameWindowGoneWhileHiddenGivesTheSoundBack)
{
    {
        ProcessSound sound;
        sound.Mute();
        EXPECT_EQ(ProcessSound::IsMuted(), std::optional<bool>(true));
    }
    EXPECT_EQ(ProcessSound::IsMuted(), std::optional<bool>(false));
}

}  // namespace
