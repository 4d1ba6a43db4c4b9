// Recognises the address of the game page: the login page's hand-over to the
// game is a navigation to an address carrying this marker.
#pragma once

#include <string>

inline constexpr wchar_t kGameAddressMarker[] = L"client=2";

// Whether the address contains the marker anywhere, exactly and
// case-sensitively; nothing else of the address is looked at.
inline bool IsGameAddress(const std::wstring& url)
{
    return url.find(kGameAddressMarker) != std::wstring::npos;
}
