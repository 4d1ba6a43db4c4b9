#include "engine_objects.h"
#include "engine_proxy.h"
#include "string_interop.h"

namespace engine_internal {

namespace {

class ProcessMessageProxy final : public EngineProxy<CefProcessMessage, cef_process_message_t> {
public:
    using EngineProxy::EngineProxy;

    CefString GetName() override { return TakeUserFree(raw()->get_name(raw())); }
};

}  // namespace

CefRefPtr<CefProcessMessage> Wrap(cef_process_message_t* adopted)
{
    return Adopt<ProcessMessageProxy>(adopted);
}

}  // namespace engine_internal
