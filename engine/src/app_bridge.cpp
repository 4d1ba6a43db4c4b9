#include "bridges.h"
#include "engine_objects.h"
#include "string_interop.h"

namespace engine_internal {

namespace {

CefApp* AppOf(cef_app_t* self)
{
    return AppBridge::ObjectOf(self);
}

void ENGINE_CALLBACK OnBeforeCommandLineProcessing(cef_app_t* self, const cef_string_t* processType,
                                                   cef_command_line_t* commandLine)
{
    AppOf(self)->OnBeforeCommandLineProcessing(FromEngine(processType), Wrap(commandLine));
}

void ENGINE_CALLBACK OnRegisterCustomSchemes(cef_app_t* self, cef_scheme_registrar_t* registrar)
{
    AppOf(self)->OnRegisterCustomSchemes(Wrap(registrar));
}

cef_plain_handler_t* ENGINE_CALLBACK GetResourceBundleHandler(cef_app_t* self)
{
    return NewEngineReference(AppOf(self)->GetResourceBundleHandler());
}

cef_browser_process_handler_t* ENGINE_CALLBACK GetBrowserProcessHandler(cef_app_t* self)
{
    return NewEngineReference(AppOf(self)->GetBrowserProcessHandler());
}

cef_render_process_handler_t* ENGINE_CALLBACK GetRenderProcessHandler(cef_app_t* self)
{
    return NewEngineReference(AppOf(self)->GetRenderProcessHandler());
}

}  // namespace

AppBridge::AppBridge(CefApp* owner) : Bridge(owner)
{
    table.on_before_command_line_processing = &OnBeforeCommandLineProcessing;
    table.on_register_custom_schemes = &OnRegisterCustomSchemes;
    table.get_resource_bundle_handler = &GetResourceBundleHandler;
    table.get_browser_process_handler = &GetBrowserProcessHandler;
    table.get_render_process_handler = &GetRenderProcessHandler;
}

}  // namespace engine_internal

CefApp::CefApp() : bridge_(std::make_unique<engine_internal::AppBridge>(this)) {}
CefApp::~CefApp() = default;
