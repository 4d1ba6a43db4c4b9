// The launcher's own pages, shown in a browser's main frame in place of a
// page that failed to load or whose renderer process ended. Each names what
// happened, in Chinese, and has a button that loads the page's address again.
#pragma once

#include <string>

// Where the button lies on both pages, in the page's own coordinates: fixed,
// so that a player finds it in the same place, and a test can click it.
inline constexpr int kOwnPageButtonLeft = 40;
inline constexpr int kOwnPageButtonTop = 200;
inline constexpr int kOwnPageButtonWidth = 160;
inline constexpr int kOwnPageButtonHeight = 44;

// Escapes the five characters with a meaning in HTML text and attribute
// values (&, <, >, ", '), so inserted text cannot add markup or script.
std::wstring HtmlEscape(const std::wstring& text);

// The page for a failed load of the address. The address and the error text
// are escaped; the code is written as a signed decimal.
std::wstring ErrorPageHtml(const std::wstring& failedUrl, const std::wstring& errorText, int errorCode);

// The page for a page whose renderer process ended while it showed address.
std::wstring CrashPageHtml(const std::wstring& address);
