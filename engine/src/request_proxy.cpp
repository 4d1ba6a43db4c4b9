#include "engine_objects.h"
#include "engine_proxy.h"
#include "string_interop.h"

namespace engine_internal {

namespace {

class RequestProxy final : public EngineProxy<CefRequest, cef_request_t> {
public:
    using EngineProxy::EngineProxy;

    CefString GetURL() override { return TakeUserFree(raw()->get_url(raw())); }
    cef_resource_type_t GetResourceType() override { return raw()->get_resource_type(raw()); }
};

}  // namespace

CefRefPtr<CefRequest> Wrap(cef_request_t* adopted)
{
    return Adopt<RequestProxy>(adopted);
}

}  // namespace engine_internal
