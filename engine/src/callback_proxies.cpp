// Proxies for the engine's callbacks that answer a request later.
#include "engine_objects.h"
#include "engine_proxy.h"
#include "string_interop.h"

namespace engine_internal {

namespace {

class RequestCallbackProxy final : public EngineProxy<CefRequestCallback, cef_request_callback_t> {
public:
    using EngineProxy::EngineProxy;

    void Continue(bool allow) override { raw()->cont(raw(), allow); }
    void Cancel() override { raw()->cancel(raw()); }
};

class AuthCallbackProxy final : public EngineProxy<CefAuthCallback, cef_auth_callback_t> {
public:
    using EngineProxy::EngineProxy;

    void Continue(const CefString& username, const CefString& password) override
    {
        const cef_string_t engineUsername = EngineView(username);
        const cef_string_t enginePassword = EngineView(password);
        raw()->cont(raw(), &engineUsername, &enginePassword);
    }
    void Cancel() override { raw()->cancel(raw()); }
};

class JSDialogCallbackProxy final : public EngineProxy<CefJSDialogCallback, cef_jsdialog_callback_t> {
public:
    using EngineProxy::EngineProxy;

    void Continue(bool success, const CefString& userInput) override
    {
        const cef_string_t engineInput = EngineView(userInput);
        raw()->cont(raw(), success, &engineInput);
    }
};

class GeolocationCallbackProxy final : public EngineProxy<CefGeolocationCallback, cef_geolocation_callback_t> {
public:
    using EngineProxy::EngineProxy;

    void Continue(bool allow) override { raw()->cont(raw(), allow); }
};

class RunContextMenuCallbackProxy final
    : public EngineProxy<CefRunContextMenuCallback, cef_run_context_menu_callback_t> {
public:
    using EngineProxy::EngineProxy;

    void Continue(int commandId, cef_event_flags_t eventFlags) override { raw()->cont(raw(), commandId, eventFlags); }
    void Cancel() override { raw()->cancel(raw()); }
};

}  // namespace

CefRefPtr<CefRequestCallback> Wrap(cef_request_callback_t* adopted)
{
    return Adopt<RequestCallbackProxy>(adopted);
}

CefRefPtr<CefAuthCallback> Wrap(cef_auth_callback_t* adopted)
{
    return Adopt<AuthCallbackProxy>(adopted);
}

CefRefPtr<CefJSDialogCallback> Wrap(cef_jsdialog_callback_t* adopted)
{
    return Adopt<JSDialogCallbackProxy>(adopted);
}

CefRefPtr<CefGeolocationCallback> Wrap(cef_geolocation_callback_t* adopted)
{
    return Adopt<GeolocationCallbackProxy>(adopted);
}

CefRefPtr<CefRunContextMenuCallback> Wrap(cef_run_context_menu_callback_t* adopted)
{
    return Adopt<RunContextMenuCallbackProxy>(adopted);
}

}  // namespace engine_internal
