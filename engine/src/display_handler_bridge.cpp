#include "bridges.h"
#include "engine_objects.h"
#include "string_interop.h"

namespace engine_internal {

namespace {

CefDisplayHandler* HandlerOf(cef_display_handler_t* self)
{
    return DisplayHandlerBridge::ObjectOf(self);
}

void ENGINE_CALLBACK OnAddressChange(cef_display_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                     const cef_string_t* url)
{
    HandlerOf(self)->OnAddressChange(Wrap(browser), Wrap(frame), FromEngine(url));
}

void ENGINE_CALLBACK OnTitleChange(cef_display_handler_t* self, cef_browser_t* browser, const cef_string_t* title)
{
    HandlerOf(self)->OnTitleChange(Wrap(browser), FromEngine(title));
}

void ENGINE_CALLBACK OnFaviconURLChange(cef_display_handler_t* self, cef_browser_t* browser,
                                        cef_string_list_t iconUrls)
{
    HandlerOf(self)->OnFaviconURLChange(Wrap(browser), FromEngineList(iconUrls));
}

void ENGINE_CALLBACK OnFullscreenModeChange(cef_display_handler_t* self, cef_browser_t* browser, int fullscreen)
{
    HandlerOf(self)->OnFullscreenModeChange(Wrap(browser), fullscreen != 0);
}

int ENGINE_CALLBACK OnTooltip(cef_display_handler_t* self, cef_browser_t* browser, cef_string_t* text)
{
    CefString tooltip = FromEngine(text);
    const CefString original = tooltip;
    const bool handled = HandlerOf(self)->OnTooltip(Wrap(browser), tooltip);
    if (tooltip != original)
        CopyToEngine(tooltip, text);
    return handled;
}

void ENGINE_CALLBACK OnStatusMessage(cef_display_handler_t* self, cef_browser_t* browser, const cef_string_t* value)
{
    HandlerOf(self)->OnStatusMessage(Wrap(browser), FromEngine(value));
}

int ENGINE_CALLBACK OnConsoleMessage(cef_display_handler_t* self, cef_browser_t* browser,
                                     const cef_string_t* message, const cef_string_t* source, int line)
{
    return HandlerOf(self)->OnConsoleMessage(Wrap(browser), FromEngine(message), FromEngine(source), line);
}

}  // namespace

DisplayHandlerBridge::DisplayHandlerBridge(CefDisplayHandler* owner) : Bridge(owner)
{
    table.on_address_change = &OnAddressChange;
    table.on_title_change = &OnTitleChange;
    table.on_favicon_urlchange = &OnFaviconURLChange;
    table.on_fullscreen_mode_change = &OnFullscreenModeChange;
    table.on_tooltip = &OnTooltip;
    table.on_status_message = &OnStatusMessage;
    table.on_console_message = &OnConsoleMessage;
}

}  // namespace engine_internal

CefDisplayHandler::CefDisplayHandler() : bridge_(std::make_unique<engine_internal::DisplayHandlerBridge>(this)) {}
CefDisplayHandler::~CefDisplayHandler() = default;
