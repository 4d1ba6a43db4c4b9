#include "http_server.h"

#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

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

// The part of a reply after its head.
std::string BodyOf(const std::string& reply)
{
    const size_t headEnd = reply.find("\r\n\r\n");
    return headEnd == std::string::npos ? "" : reply.substr(headEnd + 4);
}

bool IsTicketExpiredPage(const std::string& reply)
{
    return reply.rfind("HTTP/1.1 403", 0) == 0 && BodyOf(reply).find("<title>ticket expired</title>") != std::string::npos;
}

constexpr char kTicketedPath[] = "/game/play.html";

TEST(HttpServerTickets, TicketRouteIsAbsentUntilTurnedOn)
{
    testsupport::HttpServer server;
    EXPECT_EQ(Fetch(server.Port(), "/ticket").rfind("HTTP/1.1 404", 0), 0u);
    server.Page("/game/play.html?client=2", "game");
    EXPECT_EQ(BodyOf(Fetch(server.Port(), "/game/play.html?client=2")), "game");
    EXPECT_TRUE(server.IssuedTickets().empty());
}

TEST(HttpServerTickets, IssuedTicketIsAcceptedOnceThenRefused)
{
    testsupport::HttpServer server;
    server.IssueTickets(kTicketedPath);

    const std::string ticketReply = Fetch(server.Port(), "/ticket");
    ASSERT_EQ(ticketReply.rfind("HTTP/1.1 200", 0), 0u) << ticketReply;
    EXPECT_NE(ticketReply.find("Content-Type: text/plain"), std::string::npos) << ticketReply;
    EXPECT_NE(ticketReply.find("Cache-Control: no-store\r\n"), std::string::npos) << ticketReply;
    const std::string ticket = BodyOf(ticketReply);
    ASSERT_FALSE(ticket.empty());
    EXPECT_EQ(server.IssuedTickets(), std::vector<std::string>{ticket});

    // The accepted request is answered from the routes as usual.
    const std::string address = "/game/play.html?client=2&server=1&account=p&ticket=" + ticket;
    server.Page(address, "the game");
    const std::string first = Fetch(server.Port(), address);
    EXPECT_EQ(first.rfind("HTTP/1.1 200", 0), 0u) << first;
    EXPECT_EQ(BodyOf(first), "the game");

    const std::string second = Fetch(server.Port(), address);
    EXPECT_TRUE(IsTicketExpiredPage(second)) << second;

    // A spent ticket stays spent under another query.
    EXPECT_TRUE(IsTicketExpiredPage(Fetch(server.Port(), "/game/play.html?ticket=" + ticket)));

    EXPECT_EQ(server.CountRequests(address), 2u);
    const std::vector<std::string> expected = {"/ticket", address, address, "/game/play.html?ticket=" + ticket};
    EXPECT_EQ(server.RequestedPaths(), expected);
}

TEST(HttpServerTickets, AcceptedRequestIsAnsweredFromTheFolder)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring directory = std::wstring(folder) + L"http_server_ticket_test";
    CreateDirectoryW(directory.c_str(), nullptr);
    const std::wstring file = directory + L"\\play.html";
    std::ofstream(file.c_str()) << "game from disk";

    testsupport::HttpServer server;
    server.ServeFolder(std::wstring(folder, wcslen(folder) - 1));
    server.IssueTickets("/http_server_ticket_test/play.html");
    const std::string ticket = BodyOf(Fetch(server.Port(), "/ticket"));
    const std::string address = "/http_server_ticket_test/play.html?ticket=" + ticket + "&client=2";
    const std::string first = Fetch(server.Port(), address);
    const std::string second = Fetch(server.Port(), address);
    DeleteFileW(file.c_str());
    RemoveDirectoryW(directory.c_str());

    EXPECT_EQ(first.rfind("HTTP/1.1 200", 0), 0u) << first;
    EXPECT_EQ(BodyOf(first), "game from disk");
    EXPECT_TRUE(IsTicketExpiredPage(second)) << second;
}

TEST(HttpServerTickets, UnknownOrMissingTicketIsRefused)
{
    testsupport::HttpServer server;
    server.Page("/elsewhere.html", "not ticketed");
    server.IssueTickets(kTicketedPath);
    const std::string ticket = BodyOf(Fetch(server.Port(), "/ticket?nocache=1"));
    ASSERT_FALSE(ticket.empty());

    const std::vector<std::string> refused = {
        "/game/play.html",
        "/game/play.html?client=2",
        "/game/play.html?client=2&ticket=",
        "/game/play.html?client=2&ticket=never-issued",
        "/game/play.html?client=2&ticket=" + ticket + "x",
        "/game/play.html?client=2&xticket=" + ticket,
        "/game/play.html?client=2#ticket=" + ticket,
    };
    for (const std::string& address : refused)
        EXPECT_TRUE(IsTicketExpiredPage(Fetch(server.Port(), address))) << address;

    // Other paths need no ticket, and the refusals did not spend the issued one.
    EXPECT_EQ(BodyOf(Fetch(server.Port(), "/elsewhere.html")), "not ticketed");
    const std::string accepted = Fetch(server.Port(), "/game/play.html?ticket=" + ticket);
    EXPECT_FALSE(IsTicketExpiredPage(accepted)) << accepted;
    // No route or folder serves it, so it is the usual miss.
    EXPECT_EQ(accepted.rfind("HTTP/1.1 404", 0), 0u) << accepted;

    for (const std::string& address : refused)
        EXPECT_EQ(server.CountRequests(address), 1u) << address;
}

TEST(HttpServerTickets, ResetForgetsTicketsAndTurnsCheckingOff)
{
    testsupport::HttpServer server;
    server.IssueTickets(kTicketedPath);
    const std::string before = BodyOf(Fetch(server.Port(), "/ticket"));
    ASSERT_FALSE(before.empty());

    server.Reset();
    EXPECT_TRUE(server.IssuedTickets().empty());
    EXPECT_EQ(Fetch(server.Port(), "/ticket").rfind("HTTP/1.1 404", 0), 0u);
    server.Page("/game/play.html?client=2", "no ticket needed");
    EXPECT_EQ(BodyOf(Fetch(server.Port(), "/game/play.html?client=2")), "no ticket needed");
    EXPECT_EQ(BodyOf(Fetch(server.Port(), "/game/play.html?client=2")), "no ticket needed");

    // Turned on again, a ticket from before the reset is not valid, and the
    // new one differs from it.
    server.IssueTickets(kTicketedPath);
    EXPECT_TRUE(IsTicketExpiredPage(Fetch(server.Port(), "/game/play.html?ticket=" + before)));
    const std::string after = BodyOf(Fetch(server.Port(), "/ticket"));
    EXPECT_NE(after, before);
    EXPECT_FALSE(IsTicketExpiredPage(Fetch(server.Port(), "/game/play.html?ticket=" + after)));
}

TEST(HttpServerTickets, TicketsAreUnique)
{
    testsupport::HttpServer server;
    testsupport::HttpServer other;
    server.IssueTickets(kTicketedPath);
    other.IssueTickets(kTicketedPath);
    std::set<std::string> seen;
    constexpr int kTickets = 40;
    for (int i = 0; i < kTickets; ++i) {
        const std::string ticket = BodyOf(Fetch(server.Port(), "/ticket"));
        EXPECT_FALSE(ticket.empty());
        EXPECT_EQ(ticket.find_first_not_of("0123456789abcdefghijklmnopqrstuvwxyz-"), std::string::npos) << ticket;
        seen.insert(ticket);
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(kTickets));
    EXPECT_EQ(server.IssuedTickets().size(), static_cast<size_t>(kTickets));

    // Another server's ticket is not one of this server's.
    const std::string foreign = BodyOf(Fetch(other.Port(), "/ticket"));
    EXPECT_EQ(seen.count(foreign), 0u);
    EXPECT_TRUE(IsTicketExpiredPage(Fetch(server.Port(), "/game/play.html?ticket=" + foreign)));
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
