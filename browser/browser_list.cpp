#include "browser/browser_list.h"

#include <utility>

void BrowserList::Append(CefRefPtr<CefBrowser> browser)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_browsers.push_back(std::move(browser));
}

void BrowserList::Remove(CefRefPtr<CefBrowser> browser)
{
    CefRefPtr<CefBrowser> removed;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto entry = m_browsers.begin(); entry != m_browsers.end(); ++entry) {
            if ((*entry)->IsSame(browser)) {
                removed = std::move(*entry);
                m_browsers.erase(entry);
                break;
            }
        }
    }
    // The reference goes back to the engine outside the lock.
}

CefRefPtr<CefBrowser> BrowserList::First() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_browsers.empty() ? nullptr : m_browsers.front();
}

bool BrowserList::IsEmpty() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_browsers.empty();
}
