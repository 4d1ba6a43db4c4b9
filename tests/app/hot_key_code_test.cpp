// Hot-key codes of the settings file turned into a key and modifiers.
#include "settings/hot_key_code.h"
#include "hot_key_printing.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr UINT kControlShift = 6;  // MOD_CONTROL | MOD_SHIFT

struct Example {
    UINT code;
    std::optional<HotKey> fullScreen;
    std::optional<HotKey> boss;
};

void ExpectDecodes(const Example& example)
{
    EXPECT_EQ(DecodeHotKeyCode(example.code, EscapeKey::Accepted), example.fullScreen)
        << "full-screen key, code " << std::hex << std::showbase << example.code;
    EXPECT_EQ(DecodeHotKeyCode(example.code, EscapeKey::Refused), example.boss)
        << "boss key, code " << std::hex << std::showbase << example.code;
}

TEST(HotKeyCode, WorkedValues)
{
    const Example examples[] = {
        {27, HotKey{0x1B, 0}, std::nullopt},
        {120, HotKey{0x78, 0}, HotKey{0x78, 0}},
        {123, HotKey{0x7B, 0}, HotKey{0x7B, 0}},
        {70, HotKey{0x46, kControlShift}, HotKey{0x46, kControlShift}},
        {4678, HotKey{0x46, MOD_ALT}, HotKey{0x46, MOD_ALT}},
        {1048646, HotKey{0x46, MOD_SHIFT}, HotKey{0x46, MOD_SHIFT}},
        {285212742, HotKey{0x46, MOD_CONTROL}, HotKey{0x46, MOD_CONTROL}},
        {286265926, HotKey{0x46, MOD_CONTROL | MOD_SHIFT | MOD_ALT}, HotKey{0x46, MOD_CONTROL | MOD_SHIFT | MOD_ALT}},
    };
    for (const Example& example : examples)
        ExpectDecodes(example);
}

TEST(HotKeyCode, EscapeStandsAloneForTheFullScreenKeyOnly)
{
    for (UINT code : {0x1Bu, 0x1110121Bu, 0xFFFFFF1Bu}) {
        ExpectDecodes({code, HotKey{0x1B, 0}, std::nullopt});
    }
}

TEST(HotKeyCode, FunctionKeysF1ToF13IgnoreModifierBits)
{
    ExpectDecodes({0x11000070, HotKey{0x70, 0}, HotKey{0x70, 0}});
    ExpectDecodes({0x11101270, HotKey{0x70, 0}, HotKey{0x70, 0}});
    ExpectDecodes({0x7C, HotKey{0x7C, 0}, HotKey{0x7C, 0}});
    ExpectDecodes({0xFFFFFF7C, HotKey{0x7C, 0}, HotKey{0x7C, 0}});
    for (UINT virtualKey = 0x70; virtualKey <= 0x7C; ++virtualKey)
        ExpectDecodes({virtualKey | 0x00100000, HotKey{virtualKey, 0}, HotKey{virtualKey, 0}});
    // F14 and the key below F1 are not hot keys.
    ExpectDecodes({0x7D, std::nullopt, std::nullopt});
    ExpectDecodes({0x6F, std::nullopt, std::nullopt});
}

TEST(HotKeyCode, DigitsToLettersTakeControlShiftWithoutModifierBits)
{
    ExpectDecodes({65, HotKey{0x41, kControlShift}, HotKey{0x41, kControlShift}});
    ExpectDecodes({0x30, HotKey{0x30, kControlShift}, HotKey{0x30, kControlShift}});
    ExpectDecodes({0x5A, HotKey{0x5A, kControlShift}, HotKey{0x5A, kControlShift}});
    // The codes between the digits and the letters belong to the block too.
    ExpectDecodes({0x3A, HotKey{0x3A, kControlShift}, HotKey{0x3A, kControlShift}});
    ExpectDecodes({0x40, HotKey{0x40, kControlShift}, HotKey{0x40, kControlShift}});
}

TEST(HotKeyCode, ControlAndAltNeedBothOfTheirBits)
{
    // One bit of two counts as none, so the pair's default applies.
    ExpectDecodes({0x01000046, HotKey{0x46, kControlShift}, HotKey{0x46, kControlShift}});
    ExpectDecodes({0x10000046, HotKey{0x46, kControlShift}, HotKey{0x46, kControlShift}});
    ExpectDecodes({0x00000246, HotKey{0x46, kControlShift}, HotKey{0x46, kControlShift}});
    ExpectDecodes({0x00001046, HotKey{0x46, kControlShift}, HotKey{0x46, kControlShift}});
    // Beside a modifier that is present, half a pair adds nothing.
    ExpectDecodes({0x01100046, HotKey{0x46, MOD_SHIFT}, HotKey{0x46, MOD_SHIFT}});
    ExpectDecodes({0x10001246, HotKey{0x46, MOD_ALT}, HotKey{0x46, MOD_ALT}});
    ExpectDecodes({0x11001246, HotKey{0x46, MOD_CONTROL | MOD_ALT}, HotKey{0x46, MOD_CONTROL | MOD_ALT}});
    ExpectDecodes({0x00101246, HotKey{0x46, MOD_SHIFT | MOD_ALT}, HotKey{0x46, MOD_SHIFT | MOD_ALT}});
}

TEST(HotKeyCode, BitsOutsideKeyAndModifiersAreIgnored)
{
    // Every bit set except the modifiers' own.
    ExpectDecodes({0xEEEFED46, HotKey{0x46, kControlShift}, HotKey{0x46, kControlShift}});
    // Every bit set: all three modifiers.
    ExpectDecodes({0xFFFFFF46, HotKey{0x46, MOD_CONTROL | MOD_SHIFT | MOD_ALT},
                   HotKey{0x46, MOD_CONTROL | MOD_SHIFT | MOD_ALT}});
    // Bit 8 lies just above the key.
    ExpectDecodes({0x146, HotKey{0x46, kControlShift}, HotKey{0x46, kControlShift}});
}

TEST(HotKeyCode, OtherKeysGiveNoHotKey)
{
    for (UINT code : {0x20u, 0x5Bu, 0x2Fu, 0x00u, 0xFFu, 0x0Du, 0x60u, 0x11100020u, 0xFFFFFF5Bu})
        ExpectDecodes({code, std::nullopt, std::nullopt});
}

}  // namespace
