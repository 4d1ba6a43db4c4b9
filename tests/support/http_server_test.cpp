#include "http_server.h"

#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <fstream>

namespace {

// Sends one request with a plain socket and returns the whole reply, or an
// empty string when the connection failed.
std::string Fetch(unsigned short port, const std::string& target)
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    std::string reply;
    if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        const std::string request = "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
        send(s, request.data(), static_cast<int>(request.size()), 0);
        shutdown(s, SD_SEND);
        char chunk[4096];
        int n;
        while ((n = recv(s, chunk, sizeof chunk, 0)) > 0)
            reply.append(chunk, static_cast<size_t>(n));
    }
    closesocket(s);
    return reply;
}

TEST(HttpServer, AnswersRoutesRedirectsFilesAndMisses)
{
    testsupport::HttpServer server;
    ASSERT_TRUE(server.IsListening());
    server.Page("/page?x=1", "<p>hello</p>");
    server.Redirect("/old", "/new", 302);

    const std::string page = Fetch(server.Port(), "/page?x=1");
    EXPECT_EQ(page.rfind("HTTP/1.1 200", 0), 0u) << page;
    EXPECT_NE(page.find("\r\n\r\n<p>hello</p>"), std::string::npos) << page;

    const std::string redirect = Fetch(server.Port(), "/old");
    EXPECT_EQ(redirect.rfind("HTTP/1.1 302", 0), 0u) << redirect;
    EXPECT_NE(redirect.find("Location: /new\r\n"), std::string::npos) << redirect;

    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring file = std::wstring(folder) + L"http_server_test.html";
    std::ofstream(file.c_str()) << "from disk";
    server.ServeFolder(std::wstring(folder, wcslen(folder) - 1));
    const std::string fromDisk = Fetch(server.Port(), "/http_server_test.html?ignored=1");
    EXPECT_NE(fromDisk.find("\r\n\r\nfrom disk"), std::string::npos) << fromDisk;
    DeleteFileW(file.c_str());

    EXPECT_EQ(Fetch(server.Port(), "/missing").rfind("HTTP/1.1 404", 0), 0u);
    EXPECT_EQ(Fetch(server.Port(), "/../secret").rfind("HTTP/1.1 404", 0), 0u);

    const std::vector<std::string> expected = {"/page?x=1", "/old", "/http_server_test.html?ignored=1", "/missing",
                                               "/../secret"};
    EXPECT_EQ(server.RequestedPaths(), expected);
    EXPECT_EQ(server.CountRequests("/old"), 1u);
}

LONGLONG Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

TEST(HttpServer, StampsWhenEachRequestArrived)
{
    testsupport::HttpServer server;
    server.Page("/stamped", "stamped");
    const LONGLONG before = Now();
    Fetch(server.Port(), "/stamped");
    const LONGLONG between = Now();
    Fetch(server.Port(), "/other");
    Fetch(server.Port(), "/stamped");
    const LONGLONG after = Now();

    const std::vector<LONGLONG> arrivals = server.ArrivalTicks("/stamped");
    ASSERT_EQ(arrivals.size(), 2u);
    EXPECT_GE(arrivals[0], before);
    EXPECT_LE(arrivals[0], between);
    EXPECT_GE(arrivals[1], between);
    EXPECT_LE(arrivals[1], after);
    EXPECT_EQ(server.ArrivalTicks("/other").size(), 1u);

    server.Reset();
    EXPECT_TRUE(server.ArrivalTicks("/stamped").empty());
}

TEST(HttpServer, UnusedPortRefusesConnections)
{
    EXPECT_EQ(Fetch(testsupport::UnusedLoopbackPort(), "/"), "");
}

TEST(HttpServer, TakenPortIsReported)
{
    testsupport::HttpServer first;
    testsupport::HttpServer second(first.Port());
    EXPECT_FALSE(second.IsListening());
}

}  // namespace
