#include "bridges.h"
#include "engine_objects.h"

namespace engine_internal {

namespace {

CefBrowserProcessHandler* HandlerOf(cef_browser_process_handler_t* self)
{
    return BrowserProcessHandlerBridge::ObjectOf(self);
}

void ENGINE_CALLBACK OnContextInitialized(cef_browser_process_handler_t* self)
{
    HandlerOf(self)->OnContextInitialized();
}

void ENGINE_CALLBACK OnBeforeChildProcessLaunch(cef_browser_process_handler_t* self, cef_command_line_t* commandLine)
{
    HandlerOf(self)->OnBeforeChildProcessLaunch(Wrap(commandLine));
}

void ENGINE_CALLBACK OnRenderProcessThreadCreated(cef_browser_process_handler_t* self, cef_list_value_t* extraInfo)
{
    HandlerOf(self)->OnRenderProcessThreadCreated(Wrap(extraInfo));
}

cef_plain_handler_t* ENGINE_CALLBACK GetPrintHandler(cef_browser_process_handler_t* self)
{
    return NewEngineReference(HandlerOf(self)->GetPrintHandler());
}

}  // namespace

BrowserProcessHandlerBridge::BrowserProcessHandlerBridge(CefBrowserProcessHandler* owner) : Bridge(owner)
{
    table.on_context_initialized = &OnContextInitialized;
    table.on_before_child_process_launch = &OnBeforeChildProcessLaunch;
    table.on_render_process_thread_created = &OnRenderProcessThreadCreated;
    table.get_print_handler = &GetPrintHandler;
}

}  // namespace engine_internal

CefBrowserProcessHandler::CefBrowserProcessHandler()
    : bridge_(std::make_unique<engine_internal::BrowserProcessHandlerBridge>(this))
{
}
CefBrowserProcessHandler::~CefBrowserProcessHandler() = default;
