// What the browser client's engine tests share: a loopback site, host
// windows, and browsers opened with a given client.
#pragma once

#include "http_server.h"
#include "observed_handler.h"
#include "browser_host_window.h"

#include "engine/cef_browser.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// How long the engine may take for one step (a browser opening, a page loading).
constexpr DWORD kEngineStepTimeoutMs = 20000;
// How long to watch for something that must not happen.
constexpr DWORD kQuietPeriodMs = 1500;

// The site and a keeper browser, shared by every test of the program. The
// keeper is a browser of a client of its own that stays open, so the engine's
// message loop never ends for want of open browsers while a test probes it.
class SharedBrowsingEnvironment : public testing::Environment {
public:
    static testsupport::HttpServer& Site();
    static CefRefPtr<CefBrowser> KeeperBrowser();

    // Closes the keeper, waits until the engine has reported it closed, and
    // lets go of the engine's objects while the engine still runs.
    void TearDown() override;
};

class BrowserFixture : public testing::Test {
protected:
    // Closes the browsers the test opened and waits until the engine has
    // reported each of their clients without a browser.
    void TearDown() override;

    static testsupport::HttpServer& Site() { return SharedBrowsingEnvironment::Site(); }
    static std::wstring Address(const std::string& pathAndQuery) { return Site().WideUrl(pathAndQuery); }

    // Opens a browser with the client in a new host window and waits until the
    // client reports it and its first page has reached the site. Closed again
    // when the test ends.
    CefRefPtr<CefBrowser> OpenBrowser(CefRefPtr<SimpleHandler> client, const std::string& pathAndQuery);
    // Navigates the main frame and waits until the site has seen the request.
    void Navigate(const CefRefPtr<CefBrowser>& browser, const std::string& pathAndQuery);
    // Waits until the site has seen as many requests for the path.
    static bool WaitForRequests(const std::string& pathAndQuery, size_t count = 1);
    // Closes the browser and waits until its host window is gone.
    void Close(const CefRefPtr<CefBrowser>& browser);

private:
    std::vector<std::unique_ptr<testsupport::BrowserHostWindow>> m_hosts;
    std::vector<CefRefPtr<SimpleHandler>> m_clients;
};
