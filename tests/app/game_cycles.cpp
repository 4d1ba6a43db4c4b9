#include "game_cycles.h"

#include "game_window.h"

namespace launchertest {

namespace {

constexpr DWORD kSteadyMs = 1000;
constexpr DWORD kSteadyTimeoutMs = 5000;
constexpr DWORD kSampleIntervalMs = 50;

bool SameCounts(const HeldFigures& a, const HeldFigures& b)
{
    return a.gdiObjects == b.gdiObjects && a.userObjects == b.userObjects;
}

HeldFigures CountsOf(HANDLE process)
{
    HeldFigures figures;
    figures.gdiObjects = driver::GdiObjectCount(process);
    figures.userObjects = driver::UserObjectCount(process);
    return figures;
}

template <typename Field>
double MeanOf(const std::vector<HeldFigures>& cycles, size_t first, size_t count, Field field)
{
    double sum = 0;
    for (size_t i = first; i < first + count; ++i)
        sum += static_cast<double>(cycles[i].*field);
    return sum / static_cast<double>(count);
}

template <typename Field>
double Ratio(const std::vector<HeldFigures>& cycles, size_t count, Field field)
{
    const double first = MeanOf(cycles, 0, count, field);
    const double last = MeanOf(cycles, cycles.size() - count, count, field);
    return first > 0 ? last / first : 0;
}

}  // namespace

HeldFigures SettledFiguresOf(HANDLE process)
{
    HeldFigures seen = CountsOf(process);
    const DWORD start = GetTickCount();
    DWORD steadySince = start;
    while (GetTickCount() - steadySince < kSteadyMs && GetTickCount() - start < kSteadyTimeoutMs) {
        driver::PumpMessagesFor(kSampleIntervalMs);
        const HeldFigures now = CountsOf(process);
        if (!SameCounts(now, seen)) {
            seen = now;
            steadySince = GetTickCount();
        }
    }
    seen.settled = GetTickCount() - steadySince >= kSteadyMs;
    seen.privateBytes = driver::PrivateBytes(process);
    return seen;
}

std::string RunGameCycle(LauncherSession& session, const std::wstring& account)
{
    const HWND game = session.LogInToGame(account);
    if (!game)
        return "no game window with the game page after the login";
    ClickTopBarButton(game, TopBarButton::Close);
    if (!driver::WaitFor([&] { return !IsWindow(game); }, kWindowTimeoutMs))
        return "the game window stayed";
    if (!driver::WaitFor([&] { return session.LoginWindowsVisible(); }, kWindowTimeoutMs))
        return "the login windows did not come back";
    if (!WaitForPageTitle(session.LoginBrowser(), kLoginPageTitle))
        return "the login page did not come back";
    return {};
}

SettlingRatios LastToFirstRatios(const std::vector<HeldFigures>& cycles, size_t count)
{
    SettlingRatios ratios;
    if (count == 0 || cycles.size() < count)
        return ratios;
    ratios.gdiObjects = Ratio(cycles, count, &HeldFigures::gdiObjects);
    ratios.userObjects = Ratio(cycles, count, &HeldFigures::userObjects);
    ratios.privateBytes = Ratio(cycles, count, &HeldFigures::privateBytes);
    return ratios;
}

}  // namespace launchertest
