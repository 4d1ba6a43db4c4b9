#include "bridges.h"
#include "engine_objects.h"
#include "string_interop.h"

namespace engine_internal {

namespace {

CefRequestHandler* HandlerOf(cef_request_handler_t* self)
{
    return RequestHandlerBridge::ObjectOf(self);
}

int ENGINE_CALLBACK OnBeforeBrowse(cef_request_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                   cef_request_t* request, int isRedirect)
{
    return HandlerOf(self)->OnBeforeBrowse(Wrap(browser), Wrap(frame), Wrap(request), isRedirect != 0);
}

int ENGINE_CALLBACK OnOpenURLFromTab(cef_request_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                     const cef_string_t* targetUrl, cef_window_open_disposition_t targetDisposition,
                                     int userGesture)
{
    return HandlerOf(self)->OnOpenURLFromTab(Wrap(browser), Wrap(frame), FromEngine(targetUrl), targetDisposition,
                                             userGesture != 0);
}

cef_return_value_t ENGINE_CALLBACK OnBeforeResourceLoad(cef_request_handler_t* self, cef_browser_t* browser,
                                                        cef_frame_t* frame, cef_request_t* request,
                                                        cef_request_callback_t* callback)
{
    return HandlerOf(self)->OnBeforeResourceLoad(Wrap(browser), Wrap(frame), Wrap(request), Wrap(callback));
}

cef_plain_handler_t* ENGINE_CALLBACK GetResourceHandler(cef_request_handler_t* self, cef_browser_t* browser,
                                                        cef_frame_t* frame, cef_request_t* request)
{
    return NewEngineReference(HandlerOf(self)->GetResourceHandler(Wrap(browser), Wrap(frame), Wrap(request)));
}

void ENGINE_CALLBACK OnResourceRedirect(cef_request_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                        cef_request_t* request, cef_string_t* newUrl)
{
    CefString target = FromEngine(newUrl);
    const CefString original = target;
    HandlerOf(self)->OnResourceRedirect(Wrap(browser), Wrap(frame), Wrap(request), target);
    if (target != original)
        CopyToEngine(target, newUrl);
}

int ENGINE_CALLBACK OnResourceResponse(cef_request_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                       cef_request_t* request, cef_response_t* response)
{
    return HandlerOf(self)->OnResourceResponse(Wrap(browser), Wrap(frame), Wrap(request), Wrap(response));
}

int ENGINE_CALLBACK GetAuthCredentials(cef_request_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                       int isProxy, const cef_string_t* host, int port, const cef_string_t* realm,
                                       const cef_string_t* scheme, cef_auth_callback_t* callback)
{
    return HandlerOf(self)->GetAuthCredentials(Wrap(browser), Wrap(frame), isProxy != 0, FromEngine(host), port,
                                               FromEngine(realm), FromEngine(scheme), Wrap(callback));
}

int ENGINE_CALLBACK OnQuotaRequest(cef_request_handler_t* self, cef_browser_t* browser,
                                   const cef_string_t* originUrl, std::int64_t newSize,
                                   cef_request_callback_t* callback)
{
    return HandlerOf(self)->OnQuotaRequest(Wrap(browser), FromEngine(originUrl), newSize, Wrap(callback));
}

void ENGINE_CALLBACK OnProtocolExecution(cef_request_handler_t* self, cef_browser_t* browser,
                                         const cef_string_t* url, int* allowOsExecution)
{
    bool allow = allowOsExecution && *allowOsExecution;
    HandlerOf(self)->OnProtocolExecution(Wrap(browser), FromEngine(url), allow);
    if (allowOsExecution)
        *allowOsExecution = allow;
}

int ENGINE_CALLBACK OnCertificateError(cef_request_handler_t* self, cef_browser_t* browser,
                                       cef_errorcode_t certError, const cef_string_t* requestUrl,
                                       cef_sslinfo_t* sslInfo, cef_request_callback_t* callback)
{
    return HandlerOf(self)->OnCertificateError(Wrap(browser), certError, FromEngine(requestUrl), Wrap(sslInfo),
                                               Wrap(callback));
}

void ENGINE_CALLBACK OnPluginCrashed(cef_request_handler_t* self, cef_browser_t* browser,
                                     const cef_string_t* pluginPath)
{
    HandlerOf(self)->OnPluginCrashed(Wrap(browser), FromEngine(pluginPath));
}

void ENGINE_CALLBACK OnRenderViewReady(cef_request_handler_t* self, cef_browser_t* browser)
{
    HandlerOf(self)->OnRenderViewReady(Wrap(browser));
}

void ENGINE_CALLBACK OnRenderProcessTerminated(cef_request_handler_t* self, cef_browser_t* browser,
                                               cef_termination_status_t status)
{
    HandlerOf(self)->OnRenderProcessTerminated(Wrap(browser), status);
}

}  // namespace

RequestHandlerBridge::RequestHandlerBridge(CefRequestHandler* owner) : Bridge(owner)
{
    table.on_before_browse = &OnBeforeBrowse;
    table.on_open_urlfrom_tab = &OnOpenURLFromTab;
    table.on_before_resource_load = &OnBeforeResourceLoad;
    table.get_resource_handler = &GetResourceHandler;
    table.on_resource_redirect = &OnResourceRedirect;
    table.on_resource_response = &OnResourceResponse;
    table.get_auth_credentials = &GetAuthCredentials;
    table.on_quota_request = &OnQuotaRequest;
    table.on_protocol_execution = &OnProtocolExecution;
    table.on_certificate_error = &OnCertificateError;
    table.on_plugin_crashed = &OnPluginCrashed;
    table.on_render_view_ready = &OnRenderViewReady;
    table.on_render_process_terminated = &OnRenderProcessTerminated;
}

}  // namespace engine_internal

CefRequestHandler::CefRequestHandler() : bridge_(std::make_unique<engine_internal::RequestHandlerBridge>(this)) {}
CefRequestHandler::~CefRequestHandler() = default;
