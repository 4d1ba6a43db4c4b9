#include "browser/browser_settings.h"

CefBrowserSettings LauncherBrowserSettings()
{
    CefBrowserSettings settings;
    settings.file_access_from_file_urls = STATE_ENABLED;
    settings.local_storage = STATE_ENABLED;
    return settings;
}
