// What keeps a browser's page within the player's reach when it goes wrong:
// the error page for a failed main-frame load (a frame of the page keeps what
// the engine leaves in it), the crash page once the renderer process behind
// the page has ended (crashed, killed, out of memory), and F5, which loads the
// page again at any time. Each page has a button that loads its address again.
// A renderer that could not be started, or ended before the first page came,
// leaves no page to give a crash page for: the browser's own address is
// loaded again instead, once.
#pragma once

#include "engine/cef_browser.h"
#include "engine/cef_frame.h"
#include "engine/cef_keyboard_handler.h"
#include "engine/cef_string.h"
#include "engine/cef_types.h"

#include <map>
#include <set>
#include <string>

// F5 with no Ctrl, Alt or Shift, as it goes down.
bool IsReloadKey(const CefKeyEvent& event);

// Whether the frame shows the empty page that a browser whose renderer has
// gone loads first, to start a new one (see OnRendererEnded).
bool ShowsEmptyPage(CefRefPtr<CefFrame> frame);

class PageRecovery {
public:
    // address: what the client's first browser is made to show (its pop-ups
    // come after it).
    explicit PageRecovery(std::wstring address);

    // Engine UI thread, from the life span handler.
    void OnBrowserCreated(CefRefPtr<CefBrowser> browser);
    // Engine UI thread, from the load handler.
    void OnLoadError(CefRefPtr<CefFrame> frame, cef_errorcode_t errorCode, const CefString& errorText,
                     const CefString& failedUrl);
    // Engine UI thread, from the request handler; also when the engine could
    // not start the renderer at all. A page whose renderer has gone cannot be
    // given a page of text: a posted task first loads an empty page, which
    // starts a new renderer, and OnLoadEnd puts the crash page (or the page
    // that never came) in its place.
    void OnRendererEnded(CefRefPtr<CefBrowser> browser);
    // Engine UI thread, from the load handler.
    void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame);
    // Engine UI thread, from the keyboard handler; whether the key was used.
    bool OnKey(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event);

private:
    // What takes the empty page's place once a new renderer runs.
    struct PageDue {
        std::wstring address;
        // Whether the page had come before its renderer ended: then the
        // crash page, else the address itself.
        bool hadCome = false;
    };

    const std::wstring m_address;
    // Engine UI thread only, all of them. The client's first browser.
    int m_firstBrowser = 0;
    // By browser identifier.
    std::map<int, PageDue> m_pagesDue;
    // Browsers whose page that never came has been loaded again: the next
    // time it gives the crash page, so that a page that ends its renderer
    // before it comes is not asked for without end.
    std::set<int> m_loadedAgain;
};
