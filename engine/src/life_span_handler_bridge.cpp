#include "bridges.h"
#include "engine_objects.h"
#include "open_browsers.h"
#include "string_interop.h"
#include "value_interop.h"

namespace engine_internal {

namespace {

CefLifeSpanHandler* HandlerOf(cef_life_span_handler_t* self)
{
    return LifeSpanHandlerBridge::ObjectOf(self);
}

// The records given by pointer are copied for the handler and written back
// afterwards, so that whatever the handler changed shapes the pop-up.
int ENGINE_CALLBACK OnBeforePopup(cef_life_span_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
                                  const cef_string_t* targetUrl, const cef_string_t* targetFrameName,
                                  cef_window_open_disposition_t targetDisposition, int userGesture,
                                  const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
                                  cef_client_t** client, cef_browser_settings_t* settings,
                                  int* noJavascriptAccess)
{
    const CefPopupFeatures features = popupFeatures ? FromEngine(*popupFeatures) : CefPopupFeatures();
    CefWindowInfo popupWindowInfo = windowInfo ? FromEngine(*windowInfo) : CefWindowInfo();
    CefBrowserSettings popupSettings = settings ? FromEngine(*settings) : CefBrowserSettings();
    CefRefPtr<CefClient> popupClient = client ? AdoptOwn<CefClient>(*client) : nullptr;
    const CefClient* const originalClient = popupClient.get();
    bool noAccess = noJavascriptAccess && *noJavascriptAccess;

    const bool cancel = HandlerOf(self)->OnBeforePopup(
        Wrap(browser), Wrap(frame), FromEngine(targetUrl), FromEngine(targetFrameName), targetDisposition,
        userGesture != 0, features, popupWindowInfo, popupClient, popupSettings,
        noJavascriptAccess ? &noAccess : nullptr);

    if (windowInfo)
        CopyToEngine(popupWindowInfo, windowInfo);
    if (settings)
        CopyToEngine(popupSettings, settings);
    if (client && popupClient.get() != originalClient)
        *client = NewEngineReference(popupClient);
    if (noJavascriptAccess)
        *noJavascriptAccess = noAccess;
    return cancel;
}

void ENGINE_CALLBACK OnAfterCreated(cef_life_span_handler_t* self, cef_browser_t* browser)
{
    const CefRefPtr<CefBrowser> created = Wrap(browser);
    if (created)
        NoteBrowserCreated(created);
    HandlerOf(self)->OnAfterCreated(created);
}

int ENGINE_CALLBACK RunModal(cef_life_span_handler_t* self, cef_browser_t* browser)
{
    return HandlerOf(self)->RunModal(Wrap(browser));
}

int ENGINE_CALLBACK DoClose(cef_life_span_handler_t* self, cef_browser_t* browser)
{
    return HandlerOf(self)->DoClose(Wrap(browser));
}

void ENGINE_CALLBACK OnBeforeClose(cef_life_span_handler_t* self, cef_browser_t* browser)
{
    const CefRefPtr<CefBrowser> closing = Wrap(browser);
    HandlerOf(self)->OnBeforeClose(closing);
    if (closing)
        NoteBrowserClosed(closing->GetIdentifier());
}

}  // namespace

LifeSpanHandlerBridge::LifeSpanHandlerBridge(CefLifeSpanHandler* owner) : Bridge(owner)
{
    table.on_before_popup = &OnBeforePopup;
    table.on_after_created = &OnAfterCreated;
    table.run_modal = &RunModal;
    table.do_close = &DoClose;
    table.on_before_close = &OnBeforeClose;
}

}  // namespace engine_internal

CefLifeSpanHandler::CefLifeSpanHandler() : bridge_(std::make_unique<engine_internal::LifeSpanHandlerBridge>(this)) {}
CefLifeSpanHandler::~CefLifeSpanHandler() = default;
