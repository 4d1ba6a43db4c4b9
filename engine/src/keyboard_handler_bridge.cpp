#include "bridges.h"
#include "engine_objects.h"

namespace engine_internal {

namespace {

CefKeyboardHandler* HandlerOf(cef_keyboard_handler_t* self)
{
    return KeyboardHandlerBridge::ObjectOf(self);
}

int ENGINE_CALLBACK OnPreKeyEvent(cef_keyboard_handler_t* self, cef_browser_t* browser,
                                  const cef_key_event_t* event, MSG* osEvent, int* isKeyboardShortcut)
{
    bool shortcut = isKeyboardShortcut && *isKeyboardShortcut;
    const bool handled = HandlerOf(self)->OnPreKeyEvent(Wrap(browser), *event, osEvent, &shortcut);
    if (isKeyboardShortcut)
        *isKeyboardShortcut = shortcut ? 1 : 0;
    return handled ? 1 : 0;
}

int ENGINE_CALLBACK OnKeyEvent(cef_keyboard_handler_t* self, cef_browser_t* browser, const cef_key_event_t* event,
                               MSG* osEvent)
{
    return HandlerOf(self)->OnKeyEvent(Wrap(browser), *event, osEvent) ? 1 : 0;
}

}  // namespace

KeyboardHandlerBridge::KeyboardHandlerBridge(CefKeyboardHandler* owner) : Bridge(owner)
{
    table.on_pre_key_event = &OnPreKeyEvent;
    table.on_key_event = &OnKeyEvent;
}

}  // namespace engine_internal

CefKeyboardHandler::CefKeyboardHandler() : bridge_(std::make_unique<engine_internal::KeyboardHandlerBridge>(this)) {}
CefKeyboardHandler::~CefKeyboardHandler() = default;
