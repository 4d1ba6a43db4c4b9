// A small HTTP/1.1 server on 127.0.0.1 that runs inside a test program, on
// background threads, so engine tests can serve pages, redirects and files
// and see which addresses the engine asked for.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace testsupport {

struct HttpResponse {
    int status = 200;
    std::string contentType = "text/html; charset=utf-8";
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
    // How long the server waits before it answers (a slow page).
    DWORD delayMs = 0;
};

class HttpServer {
public:
    // Listens on the given loopback port; 0 picks any free one.
    explicit HttpServer(unsigned short port = 0);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Whether the server is listening (false when the port was taken).
    bool IsListening() const { return m_listener != INVALID_SOCKET; }

    // Forgets every route, every request seen so far and every ticket, and
    // turns ticket checking off.
    void Reset();

    // Answers requests for exactly this path and query.
    void Route(const std::string& pathAndQuery, HttpResponse response);
    void Page(const std::string& pathAndQuery, const std::string& html);
    void Redirect(const std::string& pathAndQuery, const std::string& location, int status = 302);
    // Requests that match no route are answered from this folder (a Windows
    // path), or with 404 when none is set or the file is missing.
    void ServeFolder(const std::wstring& folder);

    // One-time tickets, so a test can prove an address was asked for only
    // once. From now on "/ticket" (any query) answers a fresh ticket as
    // text/plain, and requests for ticketedPath (a path without query, such as
    // "/game/play.html") must carry "ticket=<ticket>" in their query: the
    // first request with an issued ticket is answered as usual and spends it;
    // any other (ticket spent, never issued or missing) gets 403 and a page
    // titled "ticket expired". Refused requests are recorded like any other.
    void IssueTickets(const std::string& ticketedPath);
    // Every ticket handed out since the last Reset, oldest first.
    std::vector<std::string> IssuedTickets() const;

    unsigned short Port() const { return m_port; }
    std::string Url(const std::string& pathAndQuery) const;
    std::wstring WideUrl(const std::string& pathAndQuery) const;

    // Path and query of every request so far, in arrival order.
    std::vector<std::string> RequestedPaths() const;
    size_t CountRequests(const std::string& pathAndQuery) const;
    // How many requests' path and query begin with start.
    size_t CountRequestsStartingWith(const std::string& start) const;
    // When each request for exactly this path and query arrived, oldest
    // first, in QueryPerformanceCounter ticks (for timing a page from outside).
    std::vector<LONGLONG> ArrivalTicks(const std::string& pathAndQuery) const;

private:
    void AcceptLoop();
    void ServeConnection(SOCKET connection);
    // Waits until the socket has a request's bytes or a peer to accept;
    // false once the server stops.
    bool WaitReadable(SOCKET socket) const;
    HttpResponse Answer(const std::string& target);
    HttpResponse AnswerFromFolder(const std::string& target) const;
    // Called with m_mutex held: the ticket answer or refusal for target, if
    // ticket checking concerns it.
    bool AnswerTicketLocked(const std::string& target, HttpResponse* response);

    SOCKET m_listener = INVALID_SOCKET;
    unsigned short m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::thread m_acceptor;

    // Guards everything below; touched by the test's thread and by the
    // server's connection threads.
    mutable std::mutex m_mutex;
    std::map<std::string, HttpResponse> m_routes;
    std::wstring m_folder;
    std::vector<std::string> m_requested;
    std::vector<LONGLONG> m_arrivals;  // one per entry of m_requested
    std::vector<std::thread> m_connections;
    std::vector<SOCKET> m_openSockets;
    std::string m_ticketedPath;  // empty: ticket checking is off
    std::vector<std::string> m_issuedTickets;
    std::set<std::string> m_unspentTickets;
    // Never reset, so a ticket from before a Reset is never handed out again.
    unsigned long long m_ticketCounter = 0;
    std::string m_ticketNonce;
};

// A loopback port that nothing listens on (connections to it are refused).
unsigned short UnusedLoopbackPort();

}  // namespace testsupport
