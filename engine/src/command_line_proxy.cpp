#include "engine_objects.h"
#include "engine_proxy.h"
#include "string_interop.h"

namespace engine_internal {

namespace {

class CommandLineProxy final : public EngineProxy<CefCommandLine, cef_command_line_t> {
public:
    using EngineProxy::EngineProxy;

    void AppendSwitch(const CefString& name) override
    {
        const cef_string_t engineName = EngineView(name);
        raw()->append_switch(raw(), &engineName);
    }

    void AppendSwitchWithValue(const CefString& name, const CefString& value) override
    {
        const cef_string_t engineName = EngineView(name);
        const cef_string_t engineValue = EngineView(value);
        raw()->append_switch_with_value(raw(), &engineName, &engineValue);
    }

    bool HasSwitch(const CefString& name) override
    {
        const cef_string_t engineName = EngineView(name);
        return raw()->has_switch(raw(), &engineName) != 0;
    }

    CefString GetCommandLineString() override { return TakeUserFree(raw()->get_command_line_string(raw())); }
};

}  // namespace

CefRefPtr<CefCommandLine> Wrap(cef_command_line_t* adopted)
{
    return Adopt<CommandLineProxy>(adopted);
}

}  // namespace engine_internal

CefRefPtr<CefCommandLine> CefCommandLine::GetGlobalCommandLine()
{
    return engine_internal::Wrap(cef_command_line_get_global());
}
