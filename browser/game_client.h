// The game browser's client. The game page's own navigations stay in the game
// window (they hand nothing over); the window that holds the browser is told
// when the engine reports the browser, so that it lays the browser out.
#pragma once

#include "browser/simple_handler.h"

class GameClient : public SimpleHandler {
public:
    GameClient() = default;

    // CefLifeSpanHandler
    // Engine UI thread.
    void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;
};
