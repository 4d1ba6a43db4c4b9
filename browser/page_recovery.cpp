#include "browser/page_recovery.h"

#include "browser/error_page.h"
#include "engine/cef_task.h"

#include <windows.h>

#include <utility>

namespace {

constexpr wchar_t kEmptyPage[] = L"about:blank";
// A renderer that could not be started is likely not to start at once
// either: the engine is asked again after this pause, not in a busy loop.
constexpr std::int64_t kRestartPauseMs = 500;

// Loads the empty page into the browser's main frame.
class LoadEmptyPageTask : public CefTask {
public:
    explicit LoadEmptyPageTask(CefRefPtr<CefBrowser> browser) : m_browser(std::move(browser)) {}

    // Engine UI thread.
    void Execute() override { m_browser->GetMainFrame()->LoadURL(kEmptyPage); }

private:
    const CefRefPtr<CefBrowser> m_browser;
    IMPLEMENT_REFCOUNTING(LoadEmptyPageTask);
};

}  // namespace

bool IsReloadKey(const CefKeyEvent& event)
{
    constexpr std::uint32_t kModifierKeys = EVENTFLAG_SHIFT_DOWN | EVENTFLAG_CONTROL_DOWN | EVENTFLAG_ALT_DOWN;
    return event.type == KEYEVENT_RAWKEYDOWN && event.windows_key_code == VK_F5 &&
           (event.modifiers & kModifierKeys) == 0;
}

bool ShowsEmptyPage(CefRefPtr<CefFrame> frame)
{
    return frame->GetURL().ToWString() == kEmptyPage;
}

PageRecovery::PageRecovery(std::wstring address) : m_address(std::move(address)) {}

void PageRecovery::OnBrowserCreated(CefRefPtr<CefBrowser> browser)
{
    if (m_firstBrowser == 0)
        m_firstBrowser = browser->GetIdentifier();
}

void PageRecovery::OnLoadError(CefRefPtr<CefFrame> frame, cef_errorcode_t errorCode, const CefString& errorText,
                               const CefString& failedUrl)
{
    if (errorCode == ERR_ABORTED || !frame->IsMain())
        return;
    frame->LoadString(ErrorPageHtml(failedUrl.ToWString(), errorText.ToWString(), errorCode), failedUrl);
}

void PageRecovery::OnRendererEnded(CefRefPtr<CefBrowser> browser)
{
    const int id = browser->GetIdentifier();
    // A renderer that ends again before the crash page has come keeps the
    // page's own address, not the empty page's.
    auto due = m_pagesDue.find(id);
    if (due == m_pagesDue.end()) {
        // No address yet: the engine's first page never came, and the
        // address the browser was made with is lost in the engine.
        std::wstring address = browser->GetMainFrame()->GetURL().ToWString();
        const bool hadCome = !address.empty();
        if (!hadCome && id == m_firstBrowser)
            address = m_address;
        due = m_pagesDue.emplace(id, PageDue{std::move(address), hadCome}).first;
    }
    // The engine is still reporting the renderer's end: the load goes after it.
    if (due->second.hadCome)
        CefPostTask(TID_UI, new LoadEmptyPageTask(browser));
    else
        CefPostDelayedTask(TID_UI, new LoadEmptyPageTask(browser), kRestartPauseMs);
}

void PageRecovery::OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame)
{
    if (!frame->IsMain())
        return;
    const int id = browser->GetIdentifier();
    const auto due = m_pagesDue.find(id);
    if (due == m_pagesDue.end() || !ShowsEmptyPage(frame))
        return;
    const PageDue page = due->second;
    m_pagesDue.erase(due);
    // A pop-up whose page never came keeps the empty page: its address is
    // not known here.
    if (page.address.empty())
        return;
    if (page.hadCome || !m_loadedAgain.insert(id).second)
        frame->LoadString(CrashPageHtml(page.address), page.address);
    else
        frame->LoadURL(page.address);
}

bool PageRecovery::OnKey(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event)
{
    if (!IsReloadKey(event))
        return false;
    browser->Reload();
    return true;
}
