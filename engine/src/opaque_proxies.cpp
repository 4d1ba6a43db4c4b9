// Proxies for engine objects the launcher's code only holds and releases.
#include "engine_objects.h"
#include "engine_proxy.h"

namespace engine_internal {

CefRefPtr<CefListValue> Wrap(cef_list_value_t* adopted)
{
    return Adopt<EngineProxy<CefListValue, cef_list_value_t>>(adopted);
}

CefRefPtr<CefV8Context> Wrap(cef_v8context_t* adopted)
{
    return Adopt<EngineProxy<CefV8Context, cef_v8context_t>>(adopted);
}

CefRefPtr<CefV8Exception> Wrap(cef_v8exception_t* adopted)
{
    return Adopt<EngineProxy<CefV8Exception, cef_v8exception_t>>(adopted);
}

CefRefPtr<CefV8StackTrace> Wrap(cef_v8stack_trace_t* adopted)
{
    return Adopt<EngineProxy<CefV8StackTrace, cef_v8stack_trace_t>>(adopted);
}

CefRefPtr<CefDOMNode> Wrap(cef_domnode_t* adopted)
{
    return Adopt<EngineProxy<CefDOMNode, cef_domnode_t>>(adopted);
}

CefRefPtr<CefMenuModel> Wrap(cef_menu_model_t* adopted)
{
    return Adopt<EngineProxy<CefMenuModel, cef_menu_model_t>>(adopted);
}

CefRefPtr<CefContextMenuParams> Wrap(cef_context_menu_params_t* adopted)
{
    return Adopt<EngineProxy<CefContextMenuParams, cef_context_menu_params_t>>(adopted);
}

CefRefPtr<CefResponse> Wrap(cef_response_t* adopted)
{
    return Adopt<EngineProxy<CefResponse, cef_response_t>>(adopted);
}

CefRefPtr<CefSSLInfo> Wrap(cef_sslinfo_t* adopted)
{
    return Adopt<EngineProxy<CefSSLInfo, cef_sslinfo_t>>(adopted);
}

}  // namespace engine_internal
