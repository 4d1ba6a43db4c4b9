#include "first_paint_stopwatch.h"

namespace {

FirstPaintStopwatch* g_stopwatch = nullptr;

}  // namespace

FirstPaintStopwatch::FirstPaintStopwatch(HandOverTimes& times, std::function<bool(HWND)> isGameWindow)
    : m_times(times), m_isGameWindow(std::move(isGameWindow))
{
    g_stopwatch = this;
    m_hook = SetWindowsHookExW(WH_CALLWNDPROCRET, &FirstPaintStopwatch::AfterWindowProcedure, nullptr,
                               GetCurrentThreadId());
}

FirstPaintStopwatch::~FirstPaintStopwatch()
{
    if (m_hook)
        UnhookWindowsHookEx(m_hook);
    g_stopwatch = nullptr;
}

void FirstPaintStopwatch::Start(LONG startTick)
{
    m_started = true;
    m_startTick = startTick;
}

LRESULT CALLBACK FirstPaintStopwatch::AfterWindowProcedure(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_PAINT && g_stopwatch)
        g_stopwatch->OnPainted(message->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void FirstPaintStopwatch::OnPainted(HWND window)
{
    if (!m_started || !IsWindowVisible(window) || !m_isGameWindow(window))
        return;
    m_started = false;
    m_times.Add(static_cast<double>(static_cast<LONG>(GetTickCount()) - m_startTick));
}
