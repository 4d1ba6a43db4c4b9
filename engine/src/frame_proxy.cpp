#include "bridges.h"
#include "engine_objects.h"
#include "engine_proxy.h"
#include "string_interop.h"

namespace engine_internal {

namespace {

class FrameProxy final : public EngineProxy<CefFrame, cef_frame_t> {
public:
    using EngineProxy::EngineProxy;

    void LoadURL(const CefString& url) override
    {
        const cef_string_t engineUrl = EngineView(url);
        raw()->load_url(raw(), &engineUrl);
    }

    void LoadString(const CefString& html, const CefString& url) override
    {
        const cef_string_t engineHtml = EngineView(html);
        const cef_string_t engineUrl = EngineView(url);
        raw()->load_string(raw(), &engineHtml, &engineUrl);
    }

    void ExecuteJavaScript(const CefString& code, const CefString& scriptUrl, int startLine) override
    {
        const cef_string_t engineCode = EngineView(code);
        const cef_string_t engineScriptUrl = EngineView(scriptUrl);
        raw()->execute_java_script(raw(), &engineCode, &engineScriptUrl, startLine);
    }

    CefString GetURL() override { return TakeUserFree(raw()->get_url(raw())); }
    bool IsMain() override { return raw()->is_main(raw()) != 0; }
    void GetSource(CefRefPtr<CefStringVisitor> visitor) override
    {
        raw()->get_source(raw(), NewEngineReference(visitor));
    }
    void GetText(CefRefPtr<CefStringVisitor> visitor) override { raw()->get_text(raw(), NewEngineReference(visitor)); }
};

}  // namespace

CefRefPtr<CefFrame> Wrap(cef_frame_t* adopted)
{
    return Adopt<FrameProxy>(adopted);
}

}  // namespace engine_internal
