// Which of a page's pop-up requests may open anything: only those the player
// asked for, one per input. A page that calls window.open from a timer gets
// nothing; one that calls it a hundred times from one click gets one.
#pragma once

#include <windows.h>

#include <mutex>
#include <optional>

class PopupGate {
public:
    PopupGate() = default;
    PopupGate(const PopupGate&) = delete;
    PopupGate& operator=(const PopupGate&) = delete;

    // Any thread. userGesture: the engine's report that the request came from
    // the player's input; inputTime: the time of the last input the system
    // has seen (GetLastInputInfo). Admits a request with a gesture whose input
    // no admitted request has had yet.
    bool Admit(bool userGesture, DWORD inputTime);

private:
    std::mutex m_mutex;
    std::optional<DWORD> m_admittedInputTime;
};
