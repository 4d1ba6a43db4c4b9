// What keeps a browser's page within the player's reach when it goes wrong:
// the error page for a failed main-frame load (a frame of the page keeps what
// the engine leaves in it), the crash page once the renderer process behind
// the page has ended (crashed, killed, out of memory), and F5, which loads the
// page again at any time. Each page has a button that loads its address again.
#pragma once

#include "engine/cef_browser.h"
#include "engine/cef_frame.h"
#include "engine/cef_keyboard_handler.h"
#include "engine/cef_string.h"
#include "engine/cef_types.h"

#include <map>
#include <string>

// F5 with no Ctrl, Alt or Shift, as it goes down.
bool IsReloadKey(const CefKeyEvent& event);

class PageRecovery {
public:
    // Engine UI thread, from the load handler.
    void OnLoadError(CefRefPtr<CefFrame> frame, cef_errorcode_t errorCode, const CefString& errorText,
                     const CefString& failedUrl);
    // Engine UI thread, from the request handler. A page whose renderer has
    // gone cannot be given a page of text: a posted task first loads an empty
    // page, which starts a new renderer, and OnLoadEnd puts the crash page in
    // its place.
    void OnRendererEnded(CefRefPtr<CefBrowser> browser);
    // Engine UI thread, from the load handler.
    void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame);
    // Engine UI thread, from the keyboard handler; whether the key was used.
    bool OnKey(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event);

private:
    // By browser identifier: the address of a page whose renderer ended and
    // whose crash page has not been shown yet. Engine UI thread only.
    std::map<int, std::wstring> m_crashPagesDue;
};
