// What overriding objects receive from the engine and what their answers and
// changes give back, and the engine-object proxies' own calls, with engine
// objects made by the test.
#include "bridges.h"
#include "engine_objects.h"
#include "fake_engine_object.h"
#include "string_interop.h"

#include "engine/cef_client.h"
#include "engine/cef_task.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

extern "C" cef_string_userfree_t cef_string_userfree_utf16_alloc();

namespace {

using enginetest::FakeEngineObject;
using engine_internal::NewEngineReference;

// A string as the engine returns one: allocated for the caller by the engine.
cef_string_userfree_t EngineReturnedString(const wchar_t* text)
{
    cef_string_userfree_t returned = cef_string_userfree_utf16_alloc();
    cef_string_utf16_set(text, std::wcslen(text), returned, 1);
    return returned;
}

cef_string_userfree_t RequestUrl(cef_request_t*)
{
    return EngineReturnedString(L"http://127.0.0.1/login?client=2");
}

int IsMainFrame(cef_frame_t*)
{
    return 1;
}

class PlainClient : public CefClient {
    IMPLEMENT_REFCOUNTING(PlainClient);
};

class Overriding : public CefClient,
                   public CefLifeSpanHandler,
                   public CefRequestHandler,
                   public CefDisplayHandler,
                   public CefLoadHandler {
public:
    bool OnBeforeBrowse(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                        bool isRedirect) override
    {
        seenUrl = request->GetURL();
        seenMainFrame = frame->IsMain();
        seenRedirect = isRedirect;
        return true;
    }

    bool OnBeforePopup(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, const CefString& targetUrl, const CefString&,
                       WindowOpenDisposition targetDisposition, bool userGesture,
                       const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo,
                       CefRefPtr<CefClient>& client, CefBrowserSettings& settings, bool* noJavascriptAccess) override
    {
        seenUrl = targetUrl;
        seenDisposition = targetDisposition;
        seenGesture = userGesture;
        seenPopupWidth = popupFeatures.widthSet ? popupFeatures.width : -1;
        windowInfo.window_name = L"\x5F39\x7A97";
        windowInfo.x = 5;
        settings.javascript = STATE_DISABLED;
        client = popupClient;
        *noJavascriptAccess = true;
        return false;
    }

    void OnResourceRedirect(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, CefRefPtr<CefRequest>,
                            CefString& newUrl) override
    {
        seenUrl = newUrl;
        newUrl = L"http://127.0.0.1/elsewhere";
    }

    bool OnTooltip(CefRefPtr<CefBrowser>, CefString& text) override
    {
        text = L"tip: " + text.ToWString();
        return false;
    }

    void OnLoadError(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, ErrorCode errorCode, const CefString& errorText,
                     const CefString& failedUrl) override
    {
        seenMainFrame = frame->IsMain();
        seenErrorCode = errorCode;
        seenErrorText = errorText;
        seenUrl = failedUrl;
    }

    CefString seenUrl;
    bool seenMainFrame = false;
    bool seenRedirect = false;
    cef_window_open_disposition_t seenDisposition = WOD_UNKNOWN;
    bool seenGesture = false;
    int seenPopupWidth = 0;
    cef_errorcode_t seenErrorCode = ERR_NONE;
    CefString seenErrorText;
    CefRefPtr<CefClient> popupClient;

    IMPLEMENT_REFCOUNTING(Overriding);
};

TEST(BridgeArguments, NavigationsArriveWithAddressFrameAndRedirectFlag)
{
    CefRefPtr<Overriding> handler = new Overriding;
    cef_request_handler_t* table = NewEngineReference(CefRefPtr<CefRequestHandler>(handler));
    FakeEngineObject<cef_browser_t> browser;
    FakeEngineObject<cef_frame_t> frame;
    FakeEngineObject<cef_request_t> request;
    frame.table().is_main = &IsMainFrame;
    request.table().get_url = &RequestUrl;

    EXPECT_EQ(table->on_before_browse(table, browser.HandOver(), frame.HandOver(), request.HandOver(), 1), 1);
    EXPECT_EQ(handler->seenUrl.ToWString(), L"http://127.0.0.1/login?client=2");
    EXPECT_TRUE(handler->seenMainFrame);
    EXPECT_TRUE(handler->seenRedirect);
    EXPECT_EQ(request.OutstandingReferences(), 0);
    EXPECT_EQ(frame.OutstandingReferences(), 0);
    table->base.release(&table->base);
}

TEST(BridgeArguments, PopupChangesReachTheEngine)
{
    CefRefPtr<Overriding> handler = new Overriding;
    CefRefPtr<PlainClient> original = new PlainClient;
    CefRefPtr<PlainClient> replacement = new PlainClient;
    handler->popupClient = replacement;
    cef_life_span_handler_t* table = NewEngineReference(CefRefPtr<CefLifeSpanHandler>(handler));
    FakeEngineObject<cef_browser_t> browser;
    FakeEngineObject<cef_frame_t> frame;
    const CefString url(L"http://127.0.0.1/popup.html");
    const cef_string_t engineUrl = engine_internal::EngineView(url);
    const cef_string_t frameName = {};
    cef_popup_features_t features = {};
    features.width = 320;
    features.widthSet = 1;
    cef_window_info_t windowInfo = {};
    cef_browser_settings_t settings = {};
    settings.size = sizeof settings;
    cef_client_t* client = NewEngineReference(CefRefPtr<CefClient>(original));
    int noJavascriptAccess = 0;

    EXPECT_EQ(table->on_before_popup(table, browser.HandOver(), frame.HandOver(), &engineUrl, &frameName,
                                     WOD_NEW_FOREGROUND_TAB, 1, &features, &windowInfo, &client, &settings,
                                     &noJavascriptAccess),
              0);
    EXPECT_EQ(handler->seenUrl, url);
    EXPECT_EQ(handler->seenDisposition, WOD_NEW_FOREGROUND_TAB);
    EXPECT_TRUE(handler->seenGesture);
    EXPECT_EQ(handler->seenPopupWidth, 320);

    EXPECT_EQ(engine_internal::FromEngine(&windowInfo.window_name).ToWString(), L"\x5F39\x7A97");
    EXPECT_NE(windowInfo.window_name.dtor, nullptr);
    cef_string_utf16_clear(&windowInfo.window_name);
    EXPECT_EQ(windowInfo.x, 5);
    EXPECT_EQ(settings.javascript, STATE_DISABLED);
    EXPECT_EQ(noJavascriptAccess, 1);

    // The engine now holds the replacement (one reference) and no longer the original.
    EXPECT_EQ(client, engine_internal::BridgeAccess::TableOf(static_cast<CefClient&>(*replacement)));
    EXPECT_TRUE(original->HasOneRef());
    handler->popupClient = nullptr;
    EXPECT_FALSE(replacement->HasOneRef());
    client->base.release(&client->base);
    EXPECT_TRUE(replacement->HasOneRef());

    // A client taken away leaves the engine none.
    client = NewEngineReference(CefRefPtr<CefClient>(original));
    table->on_before_popup(table, browser.HandOver(), frame.HandOver(), &engineUrl, &frameName, WOD_NEW_POPUP, 0,
                           &features, &windowInfo, &client, &settings, &noJavascriptAccess);
    EXPECT_EQ(client, nullptr);
    EXPECT_TRUE(original->HasOneRef());
    cef_string_utf16_clear(&windowInfo.window_name);
    EXPECT_EQ(browser.OutstandingReferences(), 0);
    EXPECT_EQ(frame.OutstandingReferences(), 0);
    table->base.release(&table->base);
}

TEST(BridgeArguments, ChangedRedirectTargetsAndTooltipsReachTheEngine)
{
    CefRefPtr<Overriding> handler = new Overriding;
    FakeEngineObject<cef_browser_t> browser;
    FakeEngineObject<cef_frame_t> frame;
    FakeEngineObject<cef_request_t> request;

    cef_request_handler_t* requests = NewEngineReference(CefRefPtr<CefRequestHandler>(handler));
    cef_string_t newUrl = {};
    engine_internal::CopyToEngine(CefString(L"http://127.0.0.1/next"), &newUrl);
    requests->on_resource_redirect(requests, browser.HandOver(), frame.HandOver(), request.HandOver(), &newUrl);
    EXPECT_EQ(handler->seenUrl.ToWString(), L"http://127.0.0.1/next");
    EXPECT_EQ(engine_internal::FromEngine(&newUrl).ToWString(), L"http://127.0.0.1/elsewhere");
    cef_string_utf16_clear(&newUrl);
    requests->base.release(&requests->base);

    cef_display_handler_t* display = NewEngineReference(CefRefPtr<CefDisplayHandler>(handler));
    cef_string_t tooltip = {};
    engine_internal::CopyToEngine(CefString(L"help"), &tooltip);
    EXPECT_EQ(display->on_tooltip(display, browser.HandOver(), &tooltip), 0);
    EXPECT_EQ(engine_internal::FromEngine(&tooltip).ToWString(), L"tip: help");
    cef_string_utf16_clear(&tooltip);
    display->base.release(&display->base);

    EXPECT_EQ(browser.OutstandingReferences(), 0);
    EXPECT_TRUE(handler->HasOneRef());
}

TEST(BridgeArguments, LoadErrorsArriveWithCodeTextAndAddress)
{
    CefRefPtr<Overriding> handler = new Overriding;
    cef_load_handler_t* table = NewEngineReference(CefRefPtr<CefLoadHandler>(handler));
    FakeEngineObject<cef_browser_t> browser;
    FakeEngineObject<cef_frame_t> frame;
    frame.table().is_main = &IsMainFrame;
    // Text of its own: the engine tests cannot show it, as this engine sends none for network errors.
    const CefString text(L"\x8FDE\x63A5\x5931\x8D25 (connection failed)");
    const CefString url(L"http://127.0.0.1/game?server=3");
    const cef_string_t engineText = engine_internal::EngineView(text);
    const cef_string_t engineUrl = engine_internal::EngineView(url);

    table->on_load_error(table, browser.HandOver(), frame.HandOver(), ERR_CONNECTION_FAILED, &engineText,
                         &engineUrl);
    EXPECT_EQ(handler->seenErrorCode, ERR_CONNECTION_FAILED);
    EXPECT_EQ(handler->seenErrorText.ToWString(), text.ToWString());
    EXPECT_EQ(handler->seenUrl.ToWString(), url.ToWString());
    EXPECT_TRUE(handler->seenMainFrame);
    EXPECT_EQ(browser.OutstandingReferences(), 0);
    EXPECT_EQ(frame.OutstandingReferences(), 0);
    table->base.release(&table->base);
    EXPECT_TRUE(handler->HasOneRef());
}

class KeyRecorder : public CefKeyboardHandler {
public:
    bool OnPreKeyEvent(CefRefPtr<CefBrowser>, const CefKeyEvent& event, CefEventHandle osEvent,
                       bool* isKeyboardShortcut) override
    {
        seen = event;
        seenMessage = osEvent;
        seenShortcut = *isKeyboardShortcut;
        *isKeyboardShortcut = true;
        return event.windows_key_code == VK_F5;
    }

    CefKeyEvent seen{};
    CefEventHandle seenMessage = nullptr;
    bool seenShortcut = true;

    IMPLEMENT_REFCOUNTING(KeyRecorder);
};

TEST(BridgeArguments, KeyEventsArriveWholeAndTheShortcutFlagGoesBack)
{
    CefRefPtr<KeyRecorder> handler = new KeyRecorder;
    cef_keyboard_handler_t* table = NewEngineReference(CefRefPtr<CefKeyboardHandler>(handler));
    FakeEngineObject<cef_browser_t> browser;
    MSG message = {};
    message.message = WM_KEYDOWN;
    cef_key_event_t event = {};
    event.type = KEYEVENT_RAWKEYDOWN;
    event.modifiers = EVENTFLAG_SHIFT_DOWN;
    event.windows_key_code = VK_F5;
    event.native_key_code = 0x3F;
    event.character = u'x';
    int shortcut = 0;

    EXPECT_EQ(table->on_pre_key_event(table, browser.HandOver(), &event, &message, &shortcut), 1);
    EXPECT_EQ(handler->seen.type, KEYEVENT_RAWKEYDOWN);
    EXPECT_EQ(handler->seen.modifiers, static_cast<std::uint32_t>(EVENTFLAG_SHIFT_DOWN));
    EXPECT_EQ(handler->seen.windows_key_code, VK_F5);
    EXPECT_EQ(handler->seen.native_key_code, 0x3F);
    EXPECT_EQ(handler->seen.character, u'x');
    EXPECT_EQ(handler->seenMessage, &message);
    EXPECT_FALSE(handler->seenShortcut);
    EXPECT_EQ(shortcut, 1);

    event.windows_key_code = 'A';
    EXPECT_EQ(table->on_pre_key_event(table, browser.HandOver(), &event, nullptr, &shortcut), 0);
    EXPECT_EQ(table->on_key_event(table, browser.HandOver(), &event, nullptr), 0);
    EXPECT_EQ(browser.OutstandingReferences(), 0);
    table->base.release(&table->base);
    EXPECT_TRUE(handler->HasOneRef());
}

class CountingTask : public CefTask {
public:
    void Execute() override { ++runs; }
    int runs = 0;
    IMPLEMENT_REFCOUNTING(CountingTask);
};

TEST(BridgeArguments, ATaskRunsWhenTheEngineRunsItAndLivesWhileTheEngineHoldsIt)
{
    CefRefPtr<CountingTask> task = new CountingTask;
    cef_task_t* table = NewEngineReference(CefRefPtr<CefTask>(task));
    EXPECT_FALSE(task->HasOneRef());
    table->execute(table);
    EXPECT_EQ(task->runs, 1);
    table->base.release(&table->base);
    EXPECT_TRUE(task->HasOneRef());
}

// Engine objects for the proxy tests: a browser with a host and a main frame.
struct FakeBrowserWorld {
    static FakeBrowserWorld* current;
    FakeEngineObject<cef_browser_t> browser;
    FakeEngineObject<cef_browser_t> otherBrowser;
    FakeEngineObject<cef_browser_host_t> host;
    FakeEngineObject<cef_frame_t> frame;
    std::vector<std::wstring> loadedUrls;
    int closeCalls = 0;
    int reloads = 0;
    int lastForceClose = -1;

    FakeBrowserWorld()
    {
        current = this;
        browser.table().get_host = [](cef_browser_t*) { return current->host.HandOver(); };
        browser.table().get_main_frame = [](cef_browser_t*) { return current->frame.HandOver(); };
        browser.table().get_identifier = [](cef_browser_t*) { return 9; };
        browser.table().reload = [](cef_browser_t*) { ++current->reloads; };
        // Like the engine, the receiver releases the browser passed to it.
        browser.table().is_same = [](cef_browser_t* self, cef_browser_t* that) {
            const int same = self == that;
            that->base.release(&that->base);
            return same;
        };
        host.table().get_window_handle = [](cef_browser_host_t*) { return HWND_MESSAGE; };
        host.table().close_browser = [](cef_browser_host_t*, int force) {
            ++current->closeCalls;
            current->lastForceClose = force;
        };
        frame.table().load_url = [](cef_frame_t*, const cef_string_t* url) {
            current->loadedUrls.push_back(engine_internal::FromEngine(url).ToWString());
        };
        frame.table().get_url = [](cef_frame_t*) { return EngineReturnedString(L"about:blank"); };
    }
};
FakeBrowserWorld* FakeBrowserWorld::current = nullptr;

TEST(EngineObjectProxies, CallTheEngineAndBalanceEveryReference)
{
    FakeBrowserWorld world;
    {
        CefRefPtr<CefBrowser> browser = engine_internal::Wrap(world.browser.HandOver());
        CefRefPtr<CefBrowser> sameBrowser = engine_internal::Wrap(world.browser.HandOver());
        CefRefPtr<CefBrowser> otherBrowser = engine_internal::Wrap(world.otherBrowser.HandOver());
        EXPECT_NE(browser.get(), sameBrowser.get());
        EXPECT_TRUE(browser->IsSame(sameBrowser));
        EXPECT_FALSE(browser->IsSame(otherBrowser));
        EXPECT_FALSE(browser->IsSame(nullptr));
        EXPECT_EQ(browser->GetIdentifier(), 9);
        browser->Reload();
        EXPECT_EQ(world.reloads, 1);

        EXPECT_EQ(browser->GetHost()->GetWindowHandle(), HWND_MESSAGE);
        browser->GetHost()->CloseBrowser(true);
        EXPECT_EQ(world.closeCalls, 1);
        EXPECT_EQ(world.lastForceClose, 1);

        CefRefPtr<CefFrame> frame = browser->GetMainFrame();
        frame->LoadURL(L"http://127.0.0.1/\x6E38\x620F");
        EXPECT_EQ(frame->GetURL().ToWString(), L"about:blank");
        ASSERT_EQ(world.loadedUrls.size(), 1u);
        EXPECT_EQ(world.loadedUrls[0], L"http://127.0.0.1/\x6E38\x620F");
        EXPECT_EQ(world.frame.OutstandingReferences(), 1);
    }
    EXPECT_EQ(world.browser.OutstandingReferences(), 0);
    EXPECT_EQ(world.otherBrowser.OutstandingReferences(), 0);
    EXPECT_EQ(world.host.OutstandingReferences(), 0);
    EXPECT_EQ(world.frame.OutstandingReferences(), 0);
}

TEST(EngineObjectProxies, NullEngineObjectsBecomeNullPointers)
{
    EXPECT_EQ(engine_internal::Wrap(static_cast<cef_browser_t*>(nullptr)), nullptr);
    EXPECT_EQ(engine_internal::Wrap(static_cast<cef_frame_t*>(nullptr)), nullptr);
    EXPECT_EQ(engine_internal::Wrap(static_cast<cef_request_t*>(nullptr)), nullptr);
}

}  // namespace
