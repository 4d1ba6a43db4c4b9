#include "bridges.h"
#include "engine_objects.h"

namespace engine_internal {

namespace {

CefRenderProcessHandler* HandlerOf(cef_render_process_handler_t* self)
{
    return RenderProcessHandlerBridge::ObjectOf(self);
}

void ENGINE_CALLBACK OnRenderThreadCreated(cef_render_process_handler_t* self, cef_list_value_t* extraInfo)
{
    HandlerOf(self)->OnRenderThreadCreated(Wrap(extraInfo));
}

void ENGINE_CALLBACK OnWebKitInitialized(cef_render_process_handler_t* self)
{
    HandlerOf(self)->OnWebKitInitialized();
}

void ENGINE_CALLBACK OnBrowserCreated(cef_render_process_handler_t* self, cef_browser_t* browser)
{
    HandlerOf(self)->OnBrowserCreated(Wrap(browser));
}

void ENGINE_CALLBACK OnBrowserDestroyed(cef_render_process_handler_t* self, cef_browser_t* browser)
{
    HandlerOf(self)->OnBrowserDestroyed(Wrap(browser));
}

cef_load_handler_t* ENGINE_CALLBACK GetLoadHandler(cef_render_process_handler_t* self)
{
    return NewEngineReference(HandlerOf(self)->GetLoadHandler());
}

int ENGINE_CALLBACK OnBeforeNavigation(cef_render_process_handler_t* self, cef_browser_t* browser,
                                       cef_frame_t* frame, cef_request_t* request,
                                       cef_navigation_type_t navigationType, int isRedirect)
{
    return HandlerOf(self)->OnBeforeNavigation(Wrap(browser), Wrap(frame), Wrap(request), navigationType,
                                               isRedirect != 0);
}

void ENGINE_CALLBACK OnContextCreated(cef_render_process_handler_t* self, cef_browser_t* browser,
                                      cef_frame_t* frame, cef_v8context_t* context)
{
    HandlerOf(self)->OnContextCreated(Wrap(browser), Wrap(frame), Wrap(context));
}

void ENGINE_CALLBACK OnContextReleased(cef_render_process_handler_t* self, cef_browser_t* browser,
                                       cef_frame_t* frame, cef_v8context_t* context)
{
    HandlerOf(self)->OnContextReleased(Wrap(browser), Wrap(frame), Wrap(context));
}

void ENGINE_CALLBACK OnUncaughtException(cef_render_process_handler_t* self, cef_browser_t* browser,
                                         cef_frame_t* frame, cef_v8context_t* context, cef_v8exception_t* exception,
                                         cef_v8stack_trace_t* stackTrace)
{
    HandlerOf(self)->OnUncaughtException(Wrap(browser), Wrap(frame), Wrap(context), Wrap(exception),
                                         Wrap(stackTrace));
}

void ENGINE_CALLBACK OnFocusedNodeChanged(cef_render_process_handler_t* self, cef_browser_t* browser,
                                          cef_frame_t* frame, cef_domnode_t* node)
{
    HandlerOf(self)->OnFocusedNodeChanged(Wrap(browser), Wrap(frame), Wrap(node));
}

int ENGINE_CALLBACK OnProcessMessageReceived(cef_render_process_handler_t* self, cef_browser_t* browser,
                                             cef_process_id_t sourceProcess, cef_process_message_t* message)
{
    return HandlerOf(self)->OnProcessMessageReceived(Wrap(browser), sourceProcess, Wrap(message));
}

}  // namespace

RenderProcessHandlerBridge::RenderProcessHandlerBridge(CefRenderProcessHandler* owner) : Bridge(owner)
{
    table.on_render_thread_created = &OnRenderThreadCreated;
    table.on_web_kit_initialized = &OnWebKitInitialized;
    table.on_browser_created = &OnBrowserCreated;
    table.on_browser_destroyed = &OnBrowserDestroyed;
    table.get_load_handler = &GetLoadHandler;
    table.on_before_navigation = &OnBeforeNavigation;
    table.on_context_created = &OnContextCreated;
    table.on_context_released = &OnContextReleased;
    table.on_uncaught_exception = &OnUncaughtException;
    table.on_focused_node_changed = &OnFocusedNodeChanged;
    table.on_process_message_received = &OnProcessMessageReceived;
}

}  // namespace engine_internal

CefRenderProcessHandler::CefRenderProcessHandler()
    : bridge_(std::make_unique<engine_internal::RenderProcessHandlerBridge>(this))
{
}
CefRenderProcessHandler::~CefRenderProcessHandler() = default;
