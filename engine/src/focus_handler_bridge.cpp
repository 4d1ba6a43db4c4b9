#include "bridges.h"
#include "engine_objects.h"

namespace engine_internal {

namespace {

CefFocusHandler* HandlerOf(cef_focus_handler_t* self)
{
    return FocusHandlerBridge::ObjectOf(self);
}

void ENGINE_CALLBACK OnTakeFocus(cef_focus_handler_t* self, cef_browser_t* browser, int next)
{
    HandlerOf(self)->OnTakeFocus(Wrap(browser), next != 0);
}

int ENGINE_CALLBACK OnSetFocus(cef_focus_handler_t* self, cef_browser_t* browser, cef_focus_source_t source)
{
    return HandlerOf(self)->OnSetFocus(Wrap(browser), source) ? 1 : 0;
}

void ENGINE_CALLBACK OnGotFocus(cef_focus_handler_t* self, cef_browser_t* browser)
{
    HandlerOf(self)->OnGotFocus(Wrap(browser));
}

}  // namespace

FocusHandlerBridge::FocusHandlerBridge(CefFocusHandler* owner) : Bridge(owner)
{
    table.on_take_focus = &OnTakeFocus;
    table.on_set_focus = &OnSetFocus;
    table.on_got_focus = &OnGotFocus;
}

}  // namespace engine_internal

CefFocusHandler::CefFocusHandler() : bridge_(std::make_unique<engine_internal::FocusHandlerBridge>(this)) {}
CefFocusHandler::~CefFocusHandler() = default;
