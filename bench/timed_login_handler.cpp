#include "timed_login_handler.h"

#include "browser/game_address.h"
#include "clock.h"

bool TimedLoginHandler::OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                       CefRefPtr<CefRequest> request, bool isRedirect)
{
    if (!IsGameAddress(request->GetURL().ToWString()))
        return SimpleHandler::OnBeforeBrowse(browser, frame, request, isRedirect);
    const double start = NowMs();
    const bool cancel = SimpleHandler::OnBeforeBrowse(browser, frame, request, isRedirect);
    m_times.Add(NowMs() - start);
    return cancel;
}
