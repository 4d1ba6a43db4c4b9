#include "browser/game_client.h"

#include "browser/window_messages.h"

#include <windows.h>

void GameClient::OnAfterCreated(CefRefPtr<CefBrowser> browser)
{
    SimpleHandler::OnAfterCreated(browser);
    // The engine creates the browser while its holder goes on; every layout
    // the holder made before this left the browser's window where it began.
    if (const HWND holder = GetParent(browser->GetHost()->GetWindowHandle()))
        PostMessageW(holder, WM_BROWSER_CREATED, 0, 0);
}
