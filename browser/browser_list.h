// The live browsers of one client, oldest first.
#pragma once

#include "engine/cef_browser.h"

#include <mutex>
#include <vector>

class BrowserList {
public:
    BrowserList() = default;
    BrowserList(const BrowserList&) = delete;
    BrowserList& operator=(const BrowserList&) = delete;

    void Append(CefRefPtr<CefBrowser> browser);
    // Removes the first entry that is the same browser; an unknown browser
    // removes nothing.
    void Remove(CefRefPtr<CefBrowser> browser);
    // The oldest browser, or null when there is none.
    CefRefPtr<CefBrowser> First() const;
    bool IsEmpty() const;

private:
    // The engine's UI thread appends and removes; the main thread reads
    // (First), so every access holds the lock.
    mutable std::mutex m_mutex;
    std::vector<CefRefPtr<CefBrowser>> m_browsers;
};
