#include "browser/first_frame_curtain.h"

#include "browser/page_recovery.h"
#include "engine/cef_browser_host.h"
#include "engine/cef_task.h"

#include <windows.h>

#include <string>

namespace first_frame_curtain {

namespace {

// Written to the page's console from the third animation frame after the
// main frame's document was committed. The animation frames run ahead of what
// the engine has drawn: at the second, under load, the first frame had now
// and then not reached the window yet, and the engine's white showed for a
// moment; at the third it had, in every round measured.
constexpr wchar_t kFirstFrameReport[] = L"zarnith:first-frame";
constexpr wchar_t kReportScriptName[] = L"zarnith-first-frame.js";
// A page that never reports (its console replaced, its frames held back) is
// shown at the latest this long after its main frame began to load.
constexpr std::int64_t kLongestConcealMs = 3000;
// A browser whose main frame never begins to load (its navigation cancelled)
// is shown this long after its window was made. Longer than a slow server's
// first answer, before which the engine would show only white.
constexpr std::int64_t kLongestConcealWithoutLoadMs = 10000;

bool IsConcealed(HWND window)
{
    RECT box = {};
    return window && GetWindowRgnBox(window, &box) == NULLREGION;
}

void Reveal(HWND window)
{
    if (IsConcealed(window)) {
        // Drawn again by the engine without an erase, which would be white.
        SetWindowRgn(window, nullptr, FALSE);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN);
    }
}

// Holds the window, not the browser: a task still waiting when the engine
// shuts down must not keep a closed browser alive past the shut-down.
class RevealTask : public CefTask {
public:
    explicit RevealTask(HWND window) : m_window(window) {}

    // CefTask
    // Engine UI thread.
    void Execute() override
    {
        if (IsWindow(m_window))
            Reveal(m_window);
    }

private:
    const HWND m_window;

    IMPLEMENT_REFCOUNTING(RevealTask);
};

}  // namespace

void Conceal(CefRefPtr<CefBrowser> browser)
{
    const HWND window = browser->GetHost()->GetWindowHandle();
    if (!window)
        return;
    // The system owns the region once it is set.
    SetWindowRgn(window, CreateRectRgn(0, 0, 0, 0), TRUE);
    CefPostDelayedTask(TID_UI, new RevealTask(window), kLongestConcealWithoutLoadMs);
}

void OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame)
{
    const HWND window = browser->GetHost()->GetWindowHandle();
    // The page recovery's empty page comes before the crash page, which is the one to wait for.
    if (!frame->IsMain() || !IsConcealed(window) || ShowsEmptyPage(frame))
        return;
    const std::wstring script = L"requestAnimationFrame(function () { requestAnimationFrame(function () {"
                                L" requestAnimationFrame(function () {"
                                L" console.info('" + std::wstring(kFirstFrameReport) + L"'); }); }); });";
    frame->ExecuteJavaScript(script, kReportScriptName, 0);
    CefPostDelayedTask(TID_UI, new RevealTask(window), kLongestConcealMs);
}

bool OnConsoleMessage(CefRefPtr<CefBrowser> browser, const CefString& message)
{
    if (message.ToWString() != kFirstFrameReport)
        return false;
    Reveal(browser->GetHost()->GetWindowHandle());
    return true;
}

}  // namespace first_frame_curtain
