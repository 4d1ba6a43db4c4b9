#include "browser/outside_addresses.h"

#include "browser/window_messages.h"

#include <algorithm>
#include <utility>

namespace {

// How long the address added last is taken for a second report of the same request.
constexpr DWORD kRepeatedReportMs = 1000;

}  // namespace

OutsideAddresses::OutsideAddresses(HWND window) : m_window(window) {}

void OutsideAddresses::Add(std::wstring address)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const DWORD now = GetTickCount();
        if (std::find(m_waiting.begin(), m_waiting.end(), address) != m_waiting.end() ||
            (address == m_lastAdded && now - m_lastAddedTime < kRepeatedReportMs))
            return;
        m_lastAdded = address;
        m_lastAddedTime = now;
        m_waiting.push_back(std::move(address));
        // The window has been told already and will take this one too.
        if (m_waiting.size() > 1)
            return;
    }
    PostMessageW(m_window, WM_OPEN_OUTSIDE, 0, 0);
}

std::vector<std::wstring> OutsideAddresses::Take()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::exchange(m_waiting, {});
}
