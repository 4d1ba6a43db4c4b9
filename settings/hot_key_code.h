// A hot-key code as the settings file stores it, turned into a virtual key and
// the modifiers RegisterHotKey takes.
//
// Code layout: bits 0-7 are the virtual key; Control is present when both
// bits 24 and 28 are set, Shift when bit 20 is set, Alt when both bits 9 and
// 12 are set. Every other bit is ignored.
#pragma once

#include <windows.h>

#include <optional>

struct HotKey {
    UINT virtualKey;
    // MOD_ALT, MOD_CONTROL and MOD_SHIFT combined.
    UINT modifiers;
};

constexpr bool operator==(const HotKey& a, const HotKey& b)
{
    return a.virtualKey == b.virtualKey && a.modifiers == b.modifiers;
}

// Only the key that leaves full-screen mode may be Escape.
enum class EscapeKey { Accepted, Refused };

// Escape (when accepted) and F1 to F13 stand alone, whatever the modifier bits
// hold. Digits, letters and the codes between them (0x30 to 0x5A) take the
// modifiers from the bits, Control and Shift together when none is set. Any
// other key gives no hot key.
std::optional<HotKey> DecodeHotKeyCode(UINT code, EscapeKey escape);
