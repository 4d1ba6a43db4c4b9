#include "engine_objects.h"
#include "engine_proxy.h"
#include "string_interop.h"

namespace engine_internal {

namespace {

class SchemeRegistrarProxy final : public EngineProxy<CefSchemeRegistrar, cef_scheme_registrar_t> {
public:
    using EngineProxy::EngineProxy;

    bool AddCustomScheme(const CefString& schemeName, bool isStandard, bool isLocal, bool isDisplayIsolated) override
    {
        const cef_string_t engineName = EngineView(schemeName);
        return raw()->add_custom_scheme(raw(), &engineName, isStandard, isLocal, isDisplayIsolated) != 0;
    }
};

}  // namespace

CefRefPtr<CefSchemeRegistrar> Wrap(cef_scheme_registrar_t* adopted)
{
    return Adopt<SchemeRegistrarProxy>(adopted);
}

}  // namespace engine_internal
