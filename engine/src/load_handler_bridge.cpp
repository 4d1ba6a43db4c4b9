#include "bridges.h"
#include "engine_objects.h"
#include "string_interop.h"

namespace engine_internal {

namespace {

CefLoadHandler* HandlerOf(cef_load_handler_t* self)
{
    return LoadHandlerBridge::ObjectOf(self);
}

void ENGINE_CALLBACK OnLoadingStateChange(cef_load_handler_t* self, cef_browser_t* browser, int isLoading,
                                          int canGoBack, int canGoForward)
{
    HandlerOf(self)->OnLoadingStateChange(Wrap(browser), isLoading != 0, canGoBack != 0, canGoForward != 0);
}

void ENGINE_CALLBACK OnLoadStart(cef_load_handler_t* self, cef_browser_t* browser, cef_frame_t* frame)
{
    HandlerOf(self)->OnLoadStart(Wrap(browser), Wrap(frame));
}

void ENGINE_CALLBACK OnLoadEnd(cef_load_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                               int httpStatusCode)
{
    HandlerOf(self)->OnLoadEnd(Wrap(browser), Wrap(frame), httpStatusCode);
}

void ENGINE_CALLBACK OnLoadError(cef_load_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                 cef_errorcode_t errorCode, const cef_string_t* errorText,
                                 const cef_string_t* failedUrl)
{
    HandlerOf(self)->OnLoadError(Wrap(browser), Wrap(frame), errorCode, FromEngine(errorText), FromEngine(failedUrl));
}

}  // namespace

LoadHandlerBridge::LoadHandlerBridge(CefLoadHandler* owner) : Bridge(owner)
{
    table.on_loading_state_change = &OnLoadingStateChange;
    table.on_load_start = &OnLoadStart;
    table.on_load_end = &OnLoadEnd;
    table.on_load_error = &OnLoadError;
}

}  // namespace engine_internal

CefLoadHandler::CefLoadHandler() : bridge_(std::make_unique<engine_internal::LoadHandlerBridge>(this)) {}
CefLoadHandler::~CefLoadHandler() = default;
