// Keeps a browser's window out of sight until its first page has drawn.
// Until the page's first frame the engine fills its window white, where the
// window that holds the browser shows its skin's colours. The browser's
// window gets an empty region: it stays shown as far as the engine knows, so
// the page renders as usual. The region goes when the page reports its
// third animation frame (its first has been drawn by then), or at the latest
// kLongestConcealMs after a main-frame load began (an empty page's load
// aside), or kLongestConcealWithoutLoadMs after the window was made; after
// that the browser's window is left alone. (The load end is no sign: it comes
// before the first frame has reached the screen.)
#pragma once

#include "engine/cef_browser.h"
#include "engine/cef_frame.h"
#include "engine/cef_string.h"

namespace first_frame_curtain {

// Engine UI thread, as the engine reports a browser whose window it has just
// made (the window belongs to that thread).
void Conceal(CefRefPtr<CefBrowser> browser);
// Engine UI thread, from the load handler: a concealed browser's main frame
// is asked to report its first frames.
void OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame);
// Engine UI thread, from the display handler. Whether the message was the
// page's report, which is kept from the engine's console output.
bool OnConsoleMessage(CefRefPtr<CefBrowser> browser, const CefString& message);

}  // namespace first_frame_curtain
