#include "settings/hot_key_code.h"

namespace {

constexpr UINT kVirtualKeyMask = 0x000000FF;
constexpr UINT kControlBits = 0x11000000;
constexpr UINT kShiftBits = 0x00100000;
constexpr UINT kAltBits = 0x00001200;
// A key of the character block alone would clash with typing.
constexpr UINT kCharacterKeyDefaultModifiers = MOD_CONTROL | MOD_SHIFT;

constexpr UINT kFirstCharacterKey = 0x30;  // '0'
constexpr UINT kLastCharacterKey = 0x5A;   // 'Z'

// Control and Alt each take two bits, and count only when both are set.
bool HasAllBits(UINT code, UINT bits)
{
    return (code & bits) == bits;
}

UINT ModifiersOf(UINT code)
{
    UINT modifiers = 0;
    if (HasAllBits(code, kControlBits))
        modifiers |= MOD_CONTROL;
    if (HasAllBits(code, kShiftBits))
        modifiers |= MOD_SHIFT;
    if (HasAllBits(code, kAltBits))
        modifiers |= MOD_ALT;
    return modifiers == 0 ? kCharacterKeyDefaultModifiers : modifiers;
}

}  // namespace

std::optional<HotKey> DecodeHotKeyCode(UINT code, EscapeKey escape)
{
    const UINT virtualKey = code & kVirtualKeyMask;
    if (virtualKey == VK_ESCAPE && escape == EscapeKey::Accepted)
        return HotKey{virtualKey, 0};
    if (virtualKey >= VK_F1 && virtualKey <= VK_F13)
        return HotKey{virtualKey, 0};
    if (virtualKey >= kFirstCharacterKey && virtualKey <= kLastCharacterKey)
        return HotKey{virtualKey, ModifiersOf(code)};
    return std::nullopt;
}
