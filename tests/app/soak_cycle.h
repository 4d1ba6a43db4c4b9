// The launcher's whole cycle of use as a player plays it, again and again in one
// process, with real input: log in, see the game page, full screen and back,
// the boss key and back, close the game window, see the login page again.
// Shared by the soak test and the soak bench.
#pragma once

#include "launcher_session.h"

#include <string>
#include <vector>

namespace launchertest {

// What the launcher's process holds after a cycle.
struct ResourceSample {
    unsigned long long privateBytes = 0;
    unsigned gdiObjects = 0;
    unsigned userObjects = 0;
};
ResourceSample SampleResources(const driver::Process& process);
// "private 61.2 MB, GDI 312, USER 41"
std::string Describe(const ResourceSample& sample);

// The soak: fifty cycles in one process. What the process holds is sampled
// after each cycle; some of it is in flight at any moment (regions of window
// updates come and go, so do memory device contexts with their bitmaps, in
// pairs, some of them for many cycles), so the level it settles at is the
// median of a span of samples. The first cycles fill the engine's and the
// system's caches; the level of the last span must stay near the level of the
// span after them. A leak of one GDI or USER object every four cycles, or of
// 100 KB a cycle, exceeds these slacks (the spans' middles are 35 cycles
// apart); the churn seen stays within them.
inline constexpr int kSoakCycles = 50;
inline constexpr int kSoakWarmUpCycles = 5;
inline constexpr int kSoakSpanCycles = 10;
inline constexpr unsigned kSoakGdiSlack = 8;
inline constexpr unsigned kSoakUserSlack = 8;
inline constexpr double kSoakPrivateSlackMb = 4;

// The median of each reading over a span of samples.
ResourceSample Level(const std::vector<ResourceSample>& samples, size_t first, size_t count);

// How much the level of the last span exceeds that of the span after the warm-up.
struct Growth {
    ResourceSample settled;
    ResourceSample last;
    long gdiObjects = 0;
    long userObjects = 0;
    double privateMb = 0;
};
// Of samples taken after each cycle, at least kSoakWarmUpCycles + kSoakSpanCycles of them.
Growth GrowthAfterWarmUp(const std::vector<ResourceSample>& samples);

// How a cycle presses the boss key; the window always comes back by the hot key.
enum class BossKeyBy { HotKey, Button };

// The boss key of a cycle: the hot key and the button in turns.
BossKeyBy BossKeyOfCycle(int cycle);

struct CycleResult {
    // Empty when every step showed its effect, else which did not.
    std::string failure;
    // The longest time from a click on the game window's top bar to its effect.
    double slowestClickMs = 0;
    // Clicks on the top bar that had no effect and were made again.
    int clicksMadeAgain = 0;
};
// Plays one cycle from the login page shown to the login page shown again.
CycleResult PlayCycle(LauncherSession& session, const std::wstring& account, BossKeyBy bossKey);

// Makes the settings file name the default hot keys (Escape leaves full
// screen, F9 is the boss key) for its lifetime, and puts back what was there.
class DefaultHotKeysFile {
public:
    DefaultHotKeysFile();
    ~DefaultHotKeysFile();
    DefaultHotKeysFile(const DefaultHotKeysFile&) = delete;
    DefaultHotKeysFile& operator=(const DefaultHotKeysFile&) = delete;

private:
    std::wstring m_path;
    bool m_existed = false;
    std::string m_previous;
};

}  // namespace launchertest
