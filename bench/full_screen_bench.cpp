// Fifty full-screen round trips of the launcher's game window, with real
// input against the demo site (the full-screen button in, the Escape hot key
// out), and what the launcher process holds of the system afterwards. The
// baseline is the same run's first round trips: the later ones are timed
// against the first ten, and the figures after fifty against those after
// five, so a leak or a slowdown shows as a ratio above one. Run it under Wine
// with a display and no window manager (scripts/bench).
#include "game_window_controls.h"
#include "launcher_session.h"
#include "process_figures.h"
#include "settings_folder_set_aside.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRoundTrips = 50;
constexpr int kBaselineRoundTrips = 5;
constexpr int kTimedGroup = 10;

double NowMs()
{
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double Ratio(double value, double baseline)
{
    return baseline > 0 ? value / baseline : 0;
}

void PrintFigure(const char* what, double baseline, double settled)
{
    std::printf("%-34s after %2d %12.0f   after %2d %12.0f   ratio %6.3f\n", what, kBaselineRoundTrips, baseline,
                kRoundTrips, settled, Ratio(settled, baseline));
}

}  // namespace

int main()
{
    // The defaults: Escape leaves full screen.
    const SettingsFolderSetAside settings(LauncherSettingsFolder());
    launchertest::LauncherSession session;
    if (!session.Site().IsListening() || !session.Start()) {
        std::printf("the launcher did not start against the demo site\n");
        return 1;
    }
    const HWND game = launchertest::OpenGameWindow(session, L"bench");
    if (!game) {
        std::printf("no game window after the login\n");
        return 1;
    }
    const driver::Process& launcher = session.Process();
    std::vector<double> times;
    ProcessFigures baseline;
    for (int trip = 0; trip < kRoundTrips; ++trip) {
        const double start = NowMs();
        if (!launchertest::FullScreenRoundTrip(game, launcher.id)) {
            std::printf("round trip %d did not complete\n", trip);
            return 1;
        }
        times.push_back(NowMs() - start);
        if (trip + 1 == kBaselineRoundTrips)
            baseline = FiguresOf(launcher.handle, launcher.id);
    }
    const ProcessFigures settled = FiguresOf(launcher.handle, launcher.id);

    const double first = Median(std::vector<double>(times.begin(), times.begin() + kTimedGroup));
    const double last = Median(std::vector<double>(times.end() - kTimedGroup, times.end()));
    std::printf("%d full-screen round trips of the game window (in by its button, out by the Escape hot key)\n",
                kRoundTrips);
    std::printf("round trip, median of the first %d %8.1f ms   of the last %d %8.1f ms   ratio %6.3f\n", kTimedGroup,
                first, kTimedGroup, last, Ratio(last, first));
    PrintFigure("windows of the process", baseline.windows, settled.windows);
    PrintFigure("GDI handles in use", baseline.gdiHandles, settled.gdiHandles);
    PrintFigure("private bytes", baseline.privateBytes, settled.privateBytes);
    std::printf("GetGuiResources GDI %lu, %lu and USER %lu, %lu (Wine answers 0: not measured there)\n",
                baseline.gdiObjects, settled.gdiObjects, baseline.userObjects, settled.userObjects);
    return 0;
}
