#include "bridges.h"
#include "engine_objects.h"

namespace engine_internal {

namespace {

CefContextMenuHandler* HandlerOf(cef_context_menu_handler_t* self)
{
    return ContextMenuHandlerBridge::ObjectOf(self);
}

void ENGINE_CALLBACK OnBeforeContextMenu(cef_context_menu_handler_t* self, cef_browser_t* browser,
                                         cef_frame_t* frame, cef_context_menu_params_t* params,
                                         cef_menu_model_t* model)
{
    HandlerOf(self)->OnBeforeContextMenu(Wrap(browser), Wrap(frame), Wrap(params), Wrap(model));
}

int ENGINE_CALLBACK RunContextMenu(cef_context_menu_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                   cef_context_menu_params_t* params, cef_menu_model_t* model,
                                   cef_run_context_menu_callback_t* callback)
{
    return HandlerOf(self)->RunContextMenu(Wrap(browser), Wrap(frame), Wrap(params), Wrap(model), Wrap(callback));
}

int ENGINE_CALLBACK OnContextMenuCommand(cef_context_menu_handler_t* self, cef_browser_t* browser,
                                         cef_frame_t* frame, cef_context_menu_params_t* params, int commandId,
                                         cef_event_flags_t eventFlags)
{
    return HandlerOf(self)->OnContextMenuCommand(Wrap(browser), Wrap(frame), Wrap(params), commandId, eventFlags);
}

void ENGINE_CALLBACK OnContextMenuDismissed(cef_context_menu_handler_t* self, cef_browser_t* browser,
                                            cef_frame_t* frame)
{
    HandlerOf(self)->OnContextMenuDismissed(Wrap(browser), Wrap(frame));
}

}  // namespace

ContextMenuHandlerBridge::ContextMenuHandlerBridge(CefContextMenuHandler* owner) : Bridge(owner)
{
    table.on_before_context_menu = &OnBeforeContextMenu;
    table.run_context_menu = &RunContextMenu;
    table.on_context_menu_command = &OnContextMenuCommand;
    table.on_context_menu_dismissed = &OnContextMenuDismissed;
}

}  // namespace engine_internal

CefContextMenuHandler::CefContextMenuHandler()
    : bridge_(std::make_unique<engine_internal::ContextMenuHandlerBridge>(this))
{
}
CefContextMenuHandler::~CefContextMenuHandler() = default;
