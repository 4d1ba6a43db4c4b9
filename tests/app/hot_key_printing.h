// Hot keys in test failure messages: "vk 0x46 mods 0x6".
#pragma once

#include "settings/hot_key_code.h"

#include <ostream>

inline void PrintTo(const HotKey& hotKey, std::ostream* out)
{
    *out << std::hex << std::showbase << "vk " << hotKey.virtualKey << " mods " << hotKey.modifiers;
}
