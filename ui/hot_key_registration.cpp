#include "ui/hot_key_registration.h"

HotKeyRegistration::HotKeyRegistration(const wchar_t* atomName) : m_atomName(atomName) {}

HotKeyRegistration::~HotKeyRegistration()
{
    Unregister();
}

void HotKeyRegistration::SetKey(HWND window, const std::optional<HotKey>& key)
{
    Unregister();
    m_window = window;
    m_key = key;
    // The atom is kept for the program's life, as an identifier it is only a number.
    m_id = key ? GlobalAddAtomW(m_atomName) : 0;
}

bool HotKeyRegistration::Register()
{
    if (m_registered || !m_key || m_id == 0)
        return m_registered;
    m_registered = RegisterHotKey(m_window, static_cast<int>(m_id), m_key->modifiers, m_key->virtualKey) != FALSE;
    return m_registered;
}

void HotKeyRegistration::Unregister()
{
    if (!m_registered)
        return;
    // Fails harmlessly when the window has gone: its hot keys went with it.
    UnregisterHotKey(m_window, static_cast<int>(m_id));
    m_registered = false;
}

bool HotKeyRegistration::Is(WPARAM hotKeyId) const
{
    return m_id != 0 && hotKeyId == m_id;
}
