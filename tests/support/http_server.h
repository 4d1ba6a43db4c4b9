// A small HTTP/1.1 server on 127.0.0.1 that runs inside a test program, on
// background threads, so engine tests can serve pages, redirects and files
// and see which addresses the engine asked for.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <map>
#include <mutex>
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
    bool IsListening() const { return listener_ != INVALID_SOCKET; }

    // Forgets every route and every request seen so far.
    void Reset();

    // Answers requests for exactly this path and query.
    void Route(const std::string& pathAndQuery, HttpResponse response);
    void Page(const std::string& pathAndQuery, const std::string& html);
    void Redirect(const std::string& pathAndQuery, const std::string& location, int status = 302);
    // Requests that match no route are answered from this folder (a Windows
    // path), or with 404 when none is set or the file is missing.
    void ServeFolder(const std::wstring& folder);

    unsigned short Port() const { return port_; }
    std::string Url(const std::string& pathAndQuery) const;
    std::wstring WideUrl(const std::string& pathAndQuery) const;

    // Path and query of every request so far, in arrival order.
    std::vector<std::string> RequestedPaths() const;
    size_t CountRequests(const std::string& pathAndQuery) const;
    // When each request for exactly this path and query arrived, oldest
    // first, in QueryPerformanceCounter ticks (for timing a page from outside).
    std::vector<LONGLONG> ArrivalTicks(const std::string& pathAndQuery) const;

private:
    void AcceptLoop();
    void ServeConnection(SOCKET connection);
    HttpResponse Answer(const std::string& target);
    HttpResponse AnswerFromFolder(const std::string& target) const;

    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread acceptor_;

    // Guards everything below; touched by the test's thread and by the
    // server's connection threads.
    mutable std::mutex mutex_;
    std::map<std::string, HttpResponse> routes_;
    std::wstring folder_;
    std::vector<std::string> requested_;
    std::vector<LONGLONG> arrivals_;  // one per entry of requested_
    std::vector<std::thread> connections_;
    std::vector<SOCKET> openSockets_;
};

// A loopback port that nothing listens on (connections to it are refused).
unsigned short UnusedLoopbackPort();

}  // namespace testsupport
