#include "settings/hot_key_settings.h"

#include "settings/settings.h"

namespace {

constexpr wchar_t kSection[] = L"Config";
constexpr wchar_t kFullScreenKey[] = L"FullScreenHotKey";
constexpr wchar_t kBossKey[] = L"BossHotKey";
constexpr INT kDefaultFullScreenCode = VK_ESCAPE;
constexpr INT kDefaultBossCode = VK_F9;

}  // namespace

ConfiguredHotKeys ReadConfiguredHotKeys(const std::wstring& settingsFile)
{
    ConfiguredHotKeys hotKeys;
    hotKeys.fullScreen = DecodeHotKeyCode(ReadConfigInt(kSection, kFullScreenKey, kDefaultFullScreenCode, settingsFile),
                                          EscapeKey::Accepted);
    hotKeys.boss =
        DecodeHotKeyCode(ReadConfigInt(kSection, kBossKey, kDefaultBossCode, settingsFile), EscapeKey::Refused);
    return hotKeys;
}
