#include "bridges.h"
#include "engine_objects.h"
#include "string_interop.h"

namespace engine_internal {

namespace {

CefJSDialogHandler* HandlerOf(cef_jsdialog_handler_t* self)
{
    return JSDialogHandlerBridge::ObjectOf(self);
}

int ENGINE_CALLBACK OnJSDialog(cef_jsdialog_handler_t* self, cef_browser_t* browser, const cef_string_t* originUrl,
                               const cef_string_t* acceptLang, cef_jsdialog_type_t dialogType,
                               const cef_string_t* messageText, const cef_string_t* defaultPromptText,
                               cef_jsdialog_callback_t* callback, int* suppressMessage)
{
    bool suppress = suppressMessage && *suppressMessage;
    const bool handled = HandlerOf(self)->OnJSDialog(Wrap(browser), FromEngine(originUrl), FromEngine(acceptLang),
                                                     dialogType, FromEngine(messageText),
                                                     FromEngine(defaultPromptText), Wrap(callback), suppress);
    if (suppressMessage)
        *suppressMessage = suppress;
    return handled;
}

int ENGINE_CALLBACK OnBeforeUnloadDialog(cef_jsdialog_handler_t* self, cef_browser_t* browser,
                                         const cef_string_t* messageText, int isReload,
                                         cef_jsdialog_callback_t* callback)
{
    return HandlerOf(self)->OnBeforeUnloadDialog(Wrap(browser), FromEngine(messageText), isReload != 0,
                                                 Wrap(callback));
}

void ENGINE_CALLBACK OnResetDialogState(cef_jsdialog_handler_t* self, cef_browser_t* browser)
{
    HandlerOf(self)->OnResetDialogState(Wrap(browser));
}

void ENGINE_CALLBACK OnDialogClosed(cef_jsdialog_handler_t* self, cef_browser_t* browser)
{
    HandlerOf(self)->OnDialogClosed(Wrap(browser));
}

}  // namespace

JSDialogHandlerBridge::JSDialogHandlerBridge(CefJSDialogHandler* owner) : Bridge(owner)
{
    table.on_jsdialog = &OnJSDialog;
    table.on_before_unload_dialog = &OnBeforeUnloadDialog;
    table.on_reset_dialog_state = &OnResetDialogState;
    table.on_dialog_closed = &OnDialogClosed;
}

}  // namespace engine_internal

CefJSDialogHandler::CefJSDialogHandler() : bridge_(std::make_unique<engine_internal::JSDialogHandlerBridge>(this)) {}
CefJSDialogHandler::~CefJSDialogHandler() = default;
