#include "browser/page_recovery.h"

#include "browser/error_page.h"
#include "engine/cef_task.h"

#include <windows.h>

#include <utility>

namespace {

constexpr wchar_t kEmptyPage[] = L"about:blank";

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
    if (m_crashPagesDue.count(id) == 0)
        m_crashPagesDue[id] = browser->GetMainFrame()->GetURL().ToWString();
    // The engine is still reporting the renderer's end: the load goes after it.
    CefPostTask(TID_UI, new LoadEmptyPageTask(browser));
}

void PageRecovery::OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame)
{
    if (!frame->IsMain())
        return;
    const auto due = m_crashPagesDue.find(browser->GetIdentifier());
    if (due == m_crashPagesDue.end() || frame->GetURL().ToWString() != kEmptyPage)
        return;
    const std::wstring address = due->second;
    m_crashPagesDue.erase(due);
    frame->LoadString(CrashPageHtml(address), address);
}

bool PageRecovery::OnKey(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event)
{
    if (!IsReloadKey(event))
        return false;
    browser->Reload();
    return true;
}
