#include "browser_fixture.h"

#include "driver.h"
#include "engine/cef_app.h"
#include "engine/cef_browser_host.h"

namespace {

constexpr char kKeeperPage[] = "/keeper";

struct SharedState {
    testsupport::HttpServer site;
    std::unique_ptr<testsupport::BrowserHostWindow> keeperHost;
    CefRefPtr<ObservedHandler> keeperClient;
    CefRefPtr<CefBrowser> keeperBrowser;
};

SharedState* g_shared = nullptr;

SharedState& Shared()
{
    if (!g_shared)
        g_shared = new SharedState;
    return *g_shared;
}

// The browser of the client whose window sits in the host, once the engine reports it.
CefRefPtr<CefBrowser> BrowserInHost(const CefRefPtr<SimpleHandler>& client, HWND host)
{
    std::vector<CefRefPtr<CefBrowser>> candidates;
    if (auto* observed = dynamic_cast<ObservedHandler*>(client.get()))
        candidates = observed->Created();
    else if (CefRefPtr<CefBrowser> first = client->GetBrowser())
        candidates.push_back(first);
    for (const CefRefPtr<CefBrowser>& candidate : candidates) {
        if (GetParent(candidate->GetHost()->GetWindowHandle()) == host)
            return candidate;
    }
    return nullptr;
}

HWND HostOf(const CefRefPtr<CefBrowser>& browser)
{
    return GetParent(browser->GetHost()->GetWindowHandle());
}

}  // namespace

testsupport::HttpServer& SharedBrowsingEnvironment::Site()
{
    return Shared().site;
}

CefRefPtr<CefBrowser> SharedBrowsingEnvironment::KeeperBrowser()
{
    SharedState& shared = Shared();
    if (!shared.keeperBrowser) {
        shared.site.Page(kKeeperPage, "<html><body>keeper</body></html>");
        shared.keeperHost = std::make_unique<testsupport::BrowserHostWindow>();
        shared.keeperClient = new ObservedHandler;
        EXPECT_TRUE(CefBrowserHost::CreateBrowser(shared.keeperHost->ChildBrowserInfo(), shared.keeperClient.get(),
                                                  shared.site.WideUrl(kKeeperPage), CefBrowserSettings(), nullptr));
        EXPECT_TRUE(driver::WaitFor([&] { return shared.keeperClient->GetBrowser() != nullptr; },
                                    kEngineStepTimeoutMs))
            << "the keeper browser did not open";
        shared.keeperBrowser = shared.keeperClient->GetBrowser();
    }
    return shared.keeperBrowser;
}

void SharedBrowsingEnvironment::TearDown()
{
    if (!g_shared)
        return;
    if (g_shared->keeperBrowser) {
        const HWND host = HostOf(g_shared->keeperBrowser);
        const CefRefPtr<ObservedHandler> client = g_shared->keeperClient;
        g_shared->keeperBrowser->GetHost()->CloseBrowser(true);
        EXPECT_TRUE(driver::WaitFor([host] { return !IsWindow(host); }, kEngineStepTimeoutMs))
            << "the keeper's host window stayed";
        EXPECT_TRUE(driver::WaitFor([client] { return client->GetBrowser() == nullptr; }, kEngineStepTimeoutMs))
            << "the engine did not report the keeper browser closed";
    }
    delete g_shared;
    g_shared = nullptr;
}

void BrowserFixture::TearDown()
{
    // A host window that goes takes its browser with it; the engine then
    // reports the browser closed to its client.
    for (const auto& host : m_hosts) {
        if (host->IsOpen())
            DestroyWindow(host->handle());
    }
    m_hosts.clear();
    for (const CefRefPtr<SimpleHandler>& client : m_clients) {
        EXPECT_TRUE(driver::WaitFor([client] { return client->GetBrowser() == nullptr; }, kEngineStepTimeoutMs))
            << "the engine did not report a browser of the test closed";
    }
    m_clients.clear();
}

CefRefPtr<CefBrowser> BrowserFixture::OpenBrowser(CefRefPtr<SimpleHandler> client, const std::string& pathAndQuery)
{
    EXPECT_NE(SharedBrowsingEnvironment::KeeperBrowser(), nullptr) << "the keeper browser did not open";
    m_hosts.push_back(std::make_unique<testsupport::BrowserHostWindow>());
    m_clients.push_back(client);
    const testsupport::BrowserHostWindow& host = *m_hosts.back();
    const size_t requestsBefore = Site().CountRequests(pathAndQuery);
    EXPECT_TRUE(CefBrowserHost::CreateBrowser(host.ChildBrowserInfo(), client, Site().WideUrl(pathAndQuery),
                                              CefBrowserSettings(), nullptr));
    CefRefPtr<CefBrowser> opened;
    EXPECT_TRUE(driver::WaitFor(
        [&] { return (opened = BrowserInHost(client, host.handle())) != nullptr; }, kEngineStepTimeoutMs))
        << "the client never reported the browser";
    EXPECT_TRUE(WaitForRequests(pathAndQuery, requestsBefore + 1)) << "the first page was never asked for";
    return opened;
}

void BrowserFixture::Navigate(const CefRefPtr<CefBrowser>& browser, const std::string& pathAndQuery)
{
    const size_t requestsBefore = Site().CountRequests(pathAndQuery);
    browser->GetMainFrame()->LoadURL(Site().WideUrl(pathAndQuery));
    EXPECT_TRUE(WaitForRequests(pathAndQuery, requestsBefore + 1)) << "no request for " << pathAndQuery;
}

bool BrowserFixture::WaitForRequests(const std::string& pathAndQuery, size_t count)
{
    return driver::WaitFor([&] { return Site().CountRequests(pathAndQuery) >= count; },
                                         kEngineStepTimeoutMs);
}

void BrowserFixture::Close(const CefRefPtr<CefBrowser>& browser)
{
    const HWND host = HostOf(browser);
    browser->GetHost()->CloseBrowser(true);
    EXPECT_TRUE(driver::WaitFor([host] { return !IsWindow(host); }, kEngineStepTimeoutMs));
}
