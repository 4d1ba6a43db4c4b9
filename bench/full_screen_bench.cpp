// Fifty full-screen round trips of the launcher's game window, with real
// input against the demo site (the full-screen button in, the Escape hot key
// out), and what the launcher process holds of the system afterwards. The
// baseline is the same run's first round trips: the later ones are timed
// against the first ten, and the figures after fifty against those after
// five, so a leak or a slowdown shows as a ratio above one. Run it under Wine
// with a display and no window manager (scripts/bench).
#include "clock.h"
#include "figure.h"
#include "game_cycles.h"
#include "game_window_controls.h"
#include "launcher_session.h"
#include "samples.h"
#include "settings_folder_set_aside.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRoundTrips = 50;
constexpr int kBaselineRoundTrips = 5;
constexpr int kTimedGroup = 10;

double Ratio(double value, double baseline)
{
    return baseline > 0 ? value / baseline : 0;
}

std::string Pair(double baseline, double settled)
{
    return "after " + std::to_string(kBaselineRoundTrips) + ": " + FigureNumber(baseline) + ", after " +
           std::to_string(kRoundTrips) + ": " + FigureNumber(settled);
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
    launchertest::HeldFigures baseline;
    for (int trip = 0; trip < kRoundTrips; ++trip) {
        const double start = NowMs();
        if (!launchertest::FullScreenRoundTrip(game, launcher.id)) {
            std::printf("round trip %d did not complete\n", trip);
            return 1;
        }
        times.push_back(NowMs() - start);
        if (trip + 1 == kBaselineRoundTrips)
            baseline = launchertest::SettledFiguresOf(launcher.handle);
    }
    const launchertest::HeldFigures settled = launchertest::SettledFiguresOf(launcher.handle);

    const double first = Median(std::vector<double>(times.begin(), times.begin() + kTimedGroup));
    const double last = Median(std::vector<double>(times.end() - kTimedGroup, times.end()));
    const std::string trips = " of the launcher's game window into full screen (its button) and out (the Escape hot key)";
    PrintFigure({"full_screen.round_trip_time", Ratio(last, first), "x", std::nullopt, "",
                 "median time of the last " + std::to_string(kTimedGroup) + " of " + std::to_string(kRoundTrips) +
                     " round trips" + trips + " over the first " + std::to_string(kTimedGroup) + "'s: " +
                     FigureNumber(last) + " ms, " + FigureNumber(first) + " ms"});
    PrintFigure({"full_screen.user_objects", Ratio(settled.userObjects, baseline.userObjects), "x", std::nullopt, "",
                 "USER objects of the launcher over the round trips" + trips + ", " +
                     Pair(baseline.userObjects, settled.userObjects)});
    PrintFigure({"full_screen.gdi_objects", Ratio(settled.gdiObjects, baseline.gdiObjects), "x", std::nullopt, "",
                 "GDI objects of the launcher, " + Pair(baseline.gdiObjects, settled.gdiObjects)});
    PrintFigure({"full_screen.private_bytes", Ratio(settled.privateBytes, baseline.privateBytes), "x", std::nullopt,
                 "", "private bytes of the launcher, " + Pair(baseline.privateBytes / 1048576.0, settled.privateBytes / 1048576.0) + " MB"});
    return 0;
}
