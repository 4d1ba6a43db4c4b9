#include "browser/popup_gate.h"

bool PopupGate::Admit(bool userGesture, DWORD inputTime)
{
    if (!userGesture)
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_admittedInputTime == inputTime)
        return false;
    m_admittedInputTime = inputTime;
    return true;
}
