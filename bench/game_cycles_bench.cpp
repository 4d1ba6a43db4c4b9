// Twenty login, game and close cycles in one launcher (Zarnith.exe under
// Wine against the demo site, driven with real input). After each cycle it
// prints what the launcher holds: GDI objects, USER objects and private
// bytes, and how long the cycle took; then the last five cycles against the
// first five of the same run, as ratios. Settled figures give ratios near 1;
// something kept by every cycle shows as growth.
#include "clock.h"
#include "figure.h"
#include "game_cycles.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kCycles = 20;
constexpr size_t kCompared = 5;
constexpr double kMegabyte = 1024.0 * 1024.0;

void PrintFigures(const char* what, const launchertest::HeldFigures& figures)
{
    std::printf("%-10s gdi %5lu   user %4lu   private %8.1f MB%s", what, figures.gdiObjects, figures.userObjects,
                static_cast<double>(figures.privateBytes) / kMegabyte, figures.settled ? "" : " (still changing)");
}

double MeanMs(const std::vector<double>& times, size_t first, size_t count)
{
    double sum = 0;
    for (size_t i = first; i < first + count; ++i)
        sum += times[i];
    return sum / static_cast<double>(count);
}

}  // namespace

int main()
{
    launchertest::LauncherSession session;
    if (!session.Site().IsListening()) {
        std::printf("the demo site's port %u is taken\n", launchertest::kSitePort);
        return 1;
    }
    if (!session.Start()) {
        std::printf("the launcher did not show its login page\n");
        return 1;
    }
    const HANDLE launcher = session.Process().handle;
    PrintFigures("login", launchertest::SettledFiguresOf(launcher));
    std::printf("\n");

    std::vector<launchertest::HeldFigures> cycles;
    std::vector<double> times;
    for (int cycle = 1; cycle <= kCycles; ++cycle) {
        const double start = NowMs();
        const std::string problem = launchertest::RunGameCycle(session, L"cycle" + std::to_wstring(cycle));
        if (!problem.empty()) {
            std::printf("cycle %d: %s\n", cycle, problem.c_str());
            return 1;
        }
        times.push_back(NowMs() - start);
        cycles.push_back(launchertest::SettledFiguresOf(launcher));
        const std::string name = "cycle " + std::to_string(cycle);
        PrintFigures(name.c_str(), cycles.back());
        std::printf("   %6.0f ms\n", times.back());
    }

    const launchertest::SettlingRatios ratios = launchertest::LastToFirstRatios(cycles, kCompared);
    const std::string over = "of the launcher, mean of the last " + std::to_string(kCompared) + " of " +
                             std::to_string(kCycles) + " login, game and close cycles over the first " +
                             std::to_string(kCompared) + "'s; after the first and the last cycle: ";
    const launchertest::HeldFigures& first = cycles.front();
    const launchertest::HeldFigures& last = cycles.back();
    PrintFigure({"game_cycles.gdi_objects", ratios.gdiObjects, "x", std::nullopt, "",
                 "GDI objects " + over + std::to_string(first.gdiObjects) + ", " + std::to_string(last.gdiObjects)});
    PrintFigure({"game_cycles.user_objects", ratios.userObjects, "x", std::nullopt, "",
                 "USER objects " + over + std::to_string(first.userObjects) + ", " + std::to_string(last.userObjects)});
    PrintFigure({"game_cycles.private_bytes", ratios.privateBytes, "x", std::nullopt, "",
                 "private bytes " + over + FigureNumber(first.privateBytes / kMegabyte) + ", " +
                     FigureNumber(last.privateBytes / kMegabyte) + " MB"});
    const double firstMs = MeanMs(times, 0, kCompared);
    const double lastMs = MeanMs(times, times.size() - kCompared, kCompared);
    PrintFigure({"game_cycles.time", lastMs / firstMs, "x", std::nullopt, "",
                 "time of a login, game and close cycle, mean of the last " + std::to_string(kCompared) +
                     " over the first " + std::to_string(kCompared) + ": " + FigureNumber(lastMs) + " / " +
                     FigureNumber(firstMs) + " ms"});

    session.ClickLoginCloseButton();
    DWORD exitCode = 1;
    const bool ended = session.EndsWith(0, &exitCode);
    std::printf("the launcher %s (exit code %lu)\n", ended ? "ended cleanly" : "did not end cleanly", exitCode);
    return ended ? 0 : 1;
}
