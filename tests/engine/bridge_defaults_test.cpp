// The engine's answers for every callback an object does not override, and the
// release of every engine object handed to a callback, called the way the
// engine calls the tables.
#include "bridges.h"
#include "fake_engine_object.h"
#include "instance_counter.h"
#include "string_interop.h"

#include "engine/cef_app.h"
#include "engine/cef_browser_process_handler.h"
#include "engine/cef_client.h"
#include "engine/cef_render_process_handler.h"

#include <gtest/gtest.h>

namespace {

using enginetest::FakeEngineObject;
using enginetest::InstanceCounter;
using engine_internal::NewEngineReference;

// Implements every bridged interface and overrides nothing.
class EveryInterface : public CefApp,
                       public CefBrowserProcessHandler,
                       public CefClient,
                       public CefDisplayHandler,
                       public CefLifeSpanHandler,
                       public CefLoadHandler,
                       public CefRequestHandler,
                       public CefJSDialogHandler,
                       public CefGeolocationHandler,
                       public CefRenderProcessHandler,
                       public CefContextMenuHandler,
                       public CefDialogHandler,
                       public InstanceCounter<EveryInterface> {
    IMPLEMENT_REFCOUNTING(EveryInterface);
};

int BrowserIdentifier(cef_browser_t*)
{
    return 41;
}

class BridgeDefaults : public testing::Test {
protected:
    void SetUp() override { browser_.table().get_identifier = &BrowserIdentifier; }

    void TearDown() override
    {
        object_ = nullptr;
        EXPECT_EQ(InstanceCounter<EveryInterface>::Live(), 0);
    }

    // The object's table for one interface, with the reference the engine would hold.
    template <class Interface>
    auto* TableFor()
    {
        auto* table = NewEngineReference(CefRefPtr<Interface>(object_));
        engineHeld_.push_back(&table->base);
        return table;
    }

    // Every engine object given to a callback has been released by the layer,
    // and the object's count is back to the engine's references and ours.
    void ExpectEverythingReleased()
    {
        EXPECT_EQ(browser_.OutstandingReferences(), 0);
        EXPECT_EQ(frame_.OutstandingReferences(), 0);
        EXPECT_EQ(request_.OutstandingReferences(), 0);
        EXPECT_EQ(commandLine_.OutstandingReferences(), 0);
        EXPECT_EQ(message_.OutstandingReferences(), 0);
        for (cef_base_t* table : engineHeld_)
            table->release(table);
        engineHeld_.clear();
        EXPECT_TRUE(object_->HasOneRef());
    }

    CefRefPtr<EveryInterface> object_ = new EveryInterface;
    std::vector<cef_base_t*> engineHeld_;
    FakeEngineObject<cef_browser_t> browser_;
    FakeEngineObject<cef_frame_t> frame_;
    FakeEngineObject<cef_request_t> request_;
    FakeEngineObject<cef_command_line_t> commandLine_;
    FakeEngineObject<cef_process_message_t> message_;
};

TEST_F(BridgeDefaults, ApplicationChangesNothingAndHandsOutNoHandler)
{
    cef_app_t* app = TableFor<CefApp>();
    const cef_string_t processType = {};
    app->on_before_command_line_processing(app, &processType, commandLine_.HandOver());
    FakeEngineObject<cef_scheme_registrar_t> registrar;
    app->on_register_custom_schemes(app, registrar.HandOver());
    EXPECT_EQ(registrar.OutstandingReferences(), 0);
    EXPECT_EQ(app->get_resource_bundle_handler(app), nullptr);
    EXPECT_EQ(app->get_browser_process_handler(app), nullptr);
    EXPECT_EQ(app->get_render_process_handler(app), nullptr);

    cef_browser_process_handler_t* process = TableFor<CefBrowserProcessHandler>();
    process->on_context_initialized(process);
    process->on_before_child_process_launch(process, commandLine_.HandOver());
    FakeEngineObject<cef_list_value_t> extraInfo;
    process->on_render_process_thread_created(process, extraInfo.HandOver());
    EXPECT_EQ(extraInfo.OutstandingReferences(), 0);
    EXPECT_EQ(process->get_print_handler(process), nullptr);
    ExpectEverythingReleased();
}

TEST_F(BridgeDefaults, ClientHandsOutNoHandlerAndHandlesNoMessage)
{
    cef_client_t* client = TableFor<CefClient>();
    EXPECT_EQ(client->get_context_menu_handler(client), nullptr);
    EXPECT_EQ(client->get_dialog_handler(client), nullptr);
    EXPECT_EQ(client->get_display_handler(client), nullptr);
    EXPECT_EQ(client->get_download_handler(client), nullptr);
    EXPECT_EQ(client->get_drag_handler(client), nullptr);
    EXPECT_EQ(client->get_find_handler(client), nullptr);
    EXPECT_EQ(client->get_focus_handler(client), nullptr);
    EXPECT_EQ(client->get_geolocation_handler(client), nullptr);
    EXPECT_EQ(client->get_jsdialog_handler(client), nullptr);
    EXPECT_EQ(client->get_keyboard_handler(client), nullptr);
    EXPECT_EQ(client->get_life_span_handler(client), nullptr);
    EXPECT_EQ(client->get_load_handler(client), nullptr);
    EXPECT_EQ(client->get_render_handler(client), nullptr);
    EXPECT_EQ(client->get_request_handler(client), nullptr);
    EXPECT_EQ(client->on_process_message_received(client, browser_.HandOver(), PID_RENDERER, message_.HandOver()), 0);
    ExpectEverythingReleased();
}

TEST_F(BridgeDefaults, DisplayHandlerLeavesTooltipsAndConsoleToTheEngine)
{
    cef_display_handler_t* display = TableFor<CefDisplayHandler>();
    const cef_string_t text = engine_internal::EngineView(CefString(L"x"));
    display->on_address_change(display, browser_.HandOver(), frame_.HandOver(), &text);
    display->on_title_change(display, browser_.HandOver(), &text);
    display->on_favicon_urlchange(display, browser_.HandOver(), nullptr);
    display->on_fullscreen_mode_change(display, browser_.HandOver(), 1);
    cef_string_t tooltip = text;
    EXPECT_EQ(display->on_tooltip(display, browser_.HandOver(), &tooltip), 0);
    EXPECT_EQ(tooltip.str, text.str);
    display->on_status_message(display, browser_.HandOver(), &text);
    EXPECT_EQ(display->on_console_message(display, browser_.HandOver(), &text, &text, 3), 0);
    ExpectEverythingReleased();
}

TEST_F(BridgeDefaults, LifeSpanHandlerAllowsPopupsAsRequestedAndLetsTheEngineClose)
{
    cef_life_span_handler_t* lifeSpan = TableFor<CefLifeSpanHandler>();
    cef_client_t* popupClient = TableFor<CefClient>();
    cef_client_t* clientArgument = NewEngineReference(CefRefPtr<CefClient>(object_));
    const cef_string_t url = engine_internal::EngineView(CefString(L"http://127.0.0.1/p"));
    const cef_string_t name = {};
    cef_popup_features_t features = {};
    features.width = 300;
    features.widthSet = 1;
    cef_window_info_t windowInfo = {};
    windowInfo.x = 11;
    windowInfo.style = WS_POPUP;
    cef_browser_settings_t settings = {};
    settings.size = sizeof settings;
    settings.javascript = STATE_ENABLED;
    int noJavascriptAccess = 0;

    EXPECT_EQ(lifeSpan->on_before_popup(lifeSpan, browser_.HandOver(), frame_.HandOver(), &url, &name,
                                        WOD_NEW_POPUP, 1, &features, &windowInfo, &clientArgument, &settings,
                                        &noJavascriptAccess),
              0);
    EXPECT_EQ(clientArgument, popupClient);
    EXPECT_EQ(windowInfo.x, 11);
    EXPECT_EQ(windowInfo.style, static_cast<DWORD>(WS_POPUP));
    EXPECT_EQ(settings.size, sizeof settings);
    EXPECT_EQ(settings.javascript, STATE_ENABLED);
    EXPECT_EQ(noJavascriptAccess, 0);
    EXPECT_EQ(windowInfo.window_name.str, nullptr);

    lifeSpan->on_after_created(lifeSpan, browser_.HandOver());
    EXPECT_EQ(lifeSpan->run_modal(lifeSpan, browser_.HandOver()), 0);
    EXPECT_EQ(lifeSpan->do_close(lifeSpan, browser_.HandOver()), 0);
    lifeSpan->on_before_close(lifeSpan, browser_.HandOver());
    ExpectEverythingReleased();
}

TEST_F(BridgeDefaults, LoadHandlerDoesNothing)
{
    cef_load_handler_t* load = TableFor<CefLoadHandler>();
    const cef_string_t text = engine_internal::EngineView(CefString(L"x"));
    load->on_loading_state_change(load, browser_.HandOver(), 1, 0, 0);
    load->on_load_start(load, browser_.HandOver(), frame_.HandOver());
    load->on_load_end(load, browser_.HandOver(), frame_.HandOver(), 200);
    load->on_load_error(load, browser_.HandOver(), frame_.HandOver(), ERR_CONNECTION_REFUSED, &text, &text);
    ExpectEverythingReleased();
}

TEST_F(BridgeDefaults, RequestHandlerLetsEverythingProceedAndRefusesWhatNeedsAnAnswer)
{
    cef_request_handler_t* request = TableFor<CefRequestHandler>();
    FakeEngineObject<cef_request_callback_t> callback;
    FakeEngineObject<cef_auth_callback_t> authCallback;
    FakeEngineObject<cef_response_t> response;
    FakeEngineObject<cef_sslinfo_t> sslInfo;
    const cef_string_t text = engine_internal::EngineView(CefString(L"x"));

    EXPECT_EQ(request->on_before_browse(request, browser_.HandOver(), frame_.HandOver(), request_.HandOver(), 1), 0);
    EXPECT_EQ(request->on_open_urlfrom_tab(request, browser_.HandOver(), frame_.HandOver(), &text,
                                           WOD_NEW_BACKGROUND_TAB, 1),
              0);
    EXPECT_EQ(request->on_before_resource_load(request, browser_.HandOver(), frame_.HandOver(), request_.HandOver(),
                                               callback.HandOver()),
              RV_CONTINUE);
    EXPECT_EQ(request->get_resource_handler(request, browser_.HandOver(), frame_.HandOver(), request_.HandOver()),
              nullptr);
    cef_string_t newUrl = text;
    request->on_resource_redirect(request, browser_.HandOver(), frame_.HandOver(), request_.HandOver(), &newUrl);
    EXPECT_EQ(newUrl.str, text.str);
    EXPECT_EQ(request->on_resource_response(request, browser_.HandOver(), frame_.HandOver(), request_.HandOver(),
                                            response.HandOver()),
              0);
    EXPECT_EQ(request->get_auth_credentials(request, browser_.HandOver(), frame_.HandOver(), 0, &text, 80, &text,
                                            &text, authCallback.HandOver()),
              0);
    EXPECT_EQ(request->on_quota_request(request, browser_.HandOver(), &text, 1 << 20, callback.HandOver()), 0);
    for (int allow : {0, 1}) {
        int allowOsExecution = allow;
        request->on_protocol_execution(request, browser_.HandOver(), &text, &allowOsExecution);
        EXPECT_EQ(allowOsExecution, allow);
    }
    EXPECT_EQ(request->on_certificate_error(request, browser_.HandOver(), ERR_CERT_DATE_INVALID, &text,
                                            sslInfo.HandOver(), callback.HandOver()),
              0);
    request->on_plugin_crashed(request, browser_.HandOver(), &text);
    request->on_render_view_ready(request, browser_.HandOver());
    request->on_render_process_terminated(request, browser_.HandOver(), TS_PROCESS_CRASHED);

    EXPECT_EQ(callback.OutstandingReferences(), 0);
    EXPECT_EQ(authCallback.OutstandingReferences(), 0);
    EXPECT_EQ(response.OutstandingReferences(), 0);
    EXPECT_EQ(sslInfo.OutstandingReferences(), 0);
    ExpectEverythingReleased();
}

TEST_F(BridgeDefaults, DialogGeolocationAndContextMenuAreLeftToTheEngine)
{
    const cef_string_t text = engine_internal::EngineView(CefString(L"x"));
    FakeEngineObject<cef_jsdialog_callback_t> dialogCallback;
    cef_jsdialog_handler_t* dialogs = TableFor<CefJSDialogHandler>();
    for (int suppress : {0, 1}) {
        int suppressMessage = suppress;
        EXPECT_EQ(dialogs->on_jsdialog(dialogs, browser_.HandOver(), &text, &text, JSDIALOGTYPE_CONFIRM, &text, &text,
                                       dialogCallback.HandOver(), &suppressMessage),
                  0);
        EXPECT_EQ(suppressMessage, suppress);
    }
    EXPECT_EQ(dialogs->on_before_unload_dialog(dialogs, browser_.HandOver(), &text, 0, dialogCallback.HandOver()), 0);
    dialogs->on_reset_dialog_state(dialogs, browser_.HandOver());
    dialogs->on_dialog_closed(dialogs, browser_.HandOver());
    EXPECT_EQ(dialogCallback.OutstandingReferences(), 0);

    FakeEngineObject<cef_geolocation_callback_t> positionCallback;
    cef_geolocation_handler_t* geolocation = TableFor<CefGeolocationHandler>();
    EXPECT_EQ(geolocation->on_request_geolocation_permission(geolocation, browser_.HandOver(), &text, 5,
                                                             positionCallback.HandOver()),
              0);
    geolocation->on_cancel_geolocation_permission(geolocation, browser_.HandOver(), &text, 5);
    EXPECT_EQ(positionCallback.OutstandingReferences(), 0);

    FakeEngineObject<cef_context_menu_params_t> params;
    FakeEngineObject<cef_menu_model_t> model;
    FakeEngineObject<cef_run_context_menu_callback_t> menuCallback;
    cef_context_menu_handler_t* menu = TableFor<CefContextMenuHandler>();
    menu->on_before_context_menu(menu, browser_.HandOver(), frame_.HandOver(), params.HandOver(), model.HandOver());
    EXPECT_EQ(menu->run_context_menu(menu, browser_.HandOver(), frame_.HandOver(), params.HandOver(),
                                     model.HandOver(), menuCallback.HandOver()),
              0);
    EXPECT_EQ(menu->on_context_menu_command(menu, browser_.HandOver(), frame_.HandOver(), params.HandOver(), 100,
                                            EVENTFLAG_LEFT_MOUSE_BUTTON),
              0);
    menu->on_context_menu_dismissed(menu, browser_.HandOver(), frame_.HandOver());
    EXPECT_EQ(params.OutstandingReferences(), 0);
    EXPECT_EQ(model.OutstandingReferences(), 0);
    EXPECT_EQ(menuCallback.OutstandingReferences(), 0);
    ExpectEverythingReleased();
}

TEST_F(BridgeDefaults, RenderProcessHandlerLetsNavigationsProceed)
{
    cef_render_process_handler_t* render = TableFor<CefRenderProcessHandler>();
    FakeEngineObject<cef_list_value_t> extraInfo;
    FakeEngineObject<cef_v8context_t> context;
    FakeEngineObject<cef_v8exception_t> exception;
    FakeEngineObject<cef_v8stack_trace_t> stackTrace;
    FakeEngineObject<cef_domnode_t> node;
    render->on_render_thread_created(render, extraInfo.HandOver());
    render->on_web_kit_initialized(render);
    render->on_browser_created(render, browser_.HandOver());
    EXPECT_EQ(render->get_load_handler(render), nullptr);
    EXPECT_EQ(render->on_before_navigation(render, browser_.HandOver(), frame_.HandOver(), request_.HandOver(),
                                           NAVIGATION_LINK_CLICKED, 0),
              0);
    render->on_context_created(render, browser_.HandOver(), frame_.HandOver(), context.HandOver());
    render->on_uncaught_exception(render, browser_.HandOver(), frame_.HandOver(), context.HandOver(),
                                  exception.HandOver(), stackTrace.HandOver());
    render->on_focused_node_changed(render, browser_.HandOver(), frame_.HandOver(), node.HandOver());
    render->on_focused_node_changed(render, browser_.HandOver(), frame_.HandOver(), nullptr);
    render->on_context_released(render, browser_.HandOver(), frame_.HandOver(), context.HandOver());
    EXPECT_EQ(render->on_process_message_received(render, browser_.HandOver(), PID_BROWSER, message_.HandOver()), 0);
    render->on_browser_destroyed(render, browser_.HandOver());
    EXPECT_EQ(extraInfo.OutstandingReferences(), 0);
    EXPECT_EQ(context.OutstandingReferences(), 0);
    EXPECT_EQ(exception.OutstandingReferences(), 0);
    EXPECT_EQ(stackTrace.OutstandingReferences(), 0);
    EXPECT_EQ(node.OutstandingReferences(), 0);
    ExpectEverythingReleased();
}

TEST_F(BridgeDefaults, HandlersWithoutCallbacksShowTheEngineOnlyTheirBase)
{
    cef_plain_handler_t* dialogs = TableFor<CefDialogHandler>();
    EXPECT_EQ(dialogs->base.size, sizeof(cef_base_t));
    EXPECT_FALSE(dialogs->base.has_one_ref(&dialogs->base));
    ExpectEverythingReleased();
}

}  // namespace
