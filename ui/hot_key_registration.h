// One system-wide hot key of a window, under a global atom's name: the
// combination is known from the start and held only between Register and
// Unregister. Whatever is held is released by the destructor.
#pragma once

#include "settings/hot_key_code.h"

#include <windows.h>

#include <optional>

class HotKeyRegistration {
public:
    explicit HotKeyRegistration(const wchar_t* atomName);
    ~HotKeyRegistration();
    HotKeyRegistration(const HotKeyRegistration&) = delete;
    HotKeyRegistration& operator=(const HotKeyRegistration&) = delete;

    // The window and combination to register from now on; none registers
    // nothing. A registration of an earlier combination ends.
    void SetKey(HWND window, const std::optional<HotKey>& key);
    // Takes the combination from the system unless already held; false when
    // there is none or another program holds it.
    bool Register();
    void Unregister();
    bool IsRegistered() const { return m_registered; }
    // Whether a WM_HOTKEY's identifier is this hot key's.
    bool Is(WPARAM hotKeyId) const;

private:
    const wchar_t* m_atomName;
    HWND m_window = nullptr;
    std::optional<HotKey> m_key;
    // The global atom, the hot key's identifier; 0 while no combination is set.
    UINT m_id = 0;
    bool m_registered = false;
};
