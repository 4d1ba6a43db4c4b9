#include "bridges.h"
#include "engine_objects.h"
#include "string_interop.h"

namespace engine_internal {

namespace {

CefGeolocationHandler* HandlerOf(cef_geolocation_handler_t* self)
{
    return GeolocationHandlerBridge::ObjectOf(self);
}

int ENGINE_CALLBACK OnRequestGeolocationPermission(cef_geolocation_handler_t* self, cef_browser_t* browser,
                                                   const cef_string_t* requestingUrl, int requestId,
                                                   cef_geolocation_callback_t* callback)
{
    return HandlerOf(self)->OnRequestGeolocationPermission(Wrap(browser), FromEngine(requestingUrl), requestId,
                                                           Wrap(callback));
}

void ENGINE_CALLBACK OnCancelGeolocationPermission(cef_geolocation_handler_t* self, cef_browser_t* browser,
                                                   const cef_string_t* requestingUrl, int requestId)
{
    HandlerOf(self)->OnCancelGeolocationPermission(Wrap(browser), FromEngine(requestingUrl), requestId);
}

}  // namespace

GeolocationHandlerBridge::GeolocationHandlerBridge(CefGeolocationHandler* owner) : Bridge(owner)
{
    table.on_request_geolocation_permission = &OnRequestGeolocationPermission;
    table.on_cancel_geolocation_permission = &OnCancelGeolocationPermission;
}

}  // namespace engine_internal

CefGeolocationHandler::CefGeolocationHandler()
    : bridge_(std::make_unique<engine_internal::GeolocationHandlerBridge>(this))
{
}
CefGeolocationHandler::~CefGeolocationHandler() = default;
