#include "http_server.h"

#include <ws2tcpip.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace testsupport {

namespace {

constexpr int kListenBacklog = 32;
constexpr size_t kMaxRequestHeadBytes = 64 * 1024;
// How often a waiting thread looks whether the server stops: under Wine, a
// thread blocked in accept or recv was seen not to return when another
// thread closed or shut down its socket, and a bench hung at its end.
constexpr long kStopCheckMs = 100;
constexpr char kTicketPath[] = "/ticket";

class WinsockSession {
public:
    WinsockSession()
    {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockSession() { WSACleanup(); }
};

void EnsureWinsock()
{
    static WinsockSession session;
}

SOCKET ListenOnLoopback(unsigned short port, unsigned short* boundPort)
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return s;
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, kListenBacklog) != 0) {
        closesocket(s);
        return INVALID_SOCKET;
    }
    int length = sizeof address;
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    *boundPort = ntohs(address.sin_port);
    return s;
}

const char* ReasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 303: return "See Other";
    case 307: return "Temporary Redirect";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    default: return "Status";
    }
}

std::string ContentTypeFor(const std::string& path)
{
    const auto dot = path.rfind('.');
    const std::string extension = dot == std::string::npos ? "" : path.substr(dot + 1);
    if (extension == "html" || extension == "htm")
        return "text/html; charset=utf-8";
    if (extension == "css")
        return "text/css; charset=utf-8";
    if (extension == "js")
        return "application/javascript; charset=utf-8";
    if (extension == "png")
        return "image/png";
    if (extension == "ico")
        return "image/x-icon";
    return "application/octet-stream";
}

std::string PathOf(const std::string& target)
{
    return target.substr(0, target.find_first_of("?#"));
}

// The value of the query parameter named exactly "ticket", or an empty string.
std::string TicketOf(const std::string& target)
{
    const size_t question = target.find('?');
    if (question == std::string::npos)
        return "";
    const std::string query = target.substr(question + 1, target.find('#', question) - question - 1);
    size_t start = 0;
    while (start <= query.size()) {
        size_t end = query.find('&', start);
        if (end == std::string::npos)
            end = query.size();
        const std::string parameter = query.substr(start, end - start);
        if (parameter.rfind("ticket=", 0) == 0)
            return parameter.substr(7);
        start = end + 1;
    }
    return "";
}

// Differs between servers and runs, so one server does not accept another's tickets.
std::string MakeTicketNonce(const void* server)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const unsigned long long mix = static_cast<unsigned long long>(now.QuadPart) ^
                                   (static_cast<unsigned long long>(GetCurrentProcessId()) << 40) ^
                                   reinterpret_cast<uintptr_t>(server);
    char text[17];
    snprintf(text, sizeof text, "%016llx", mix);
    return text;
}

bool SendAll(SOCKET s, const std::string& data)
{
    size_t sent = 0;
    while (sent < data.size()) {
        const int n = send(s, data.data() + sent, static_cast<int>(data.size() - sent), 0);
        if (n <= 0)
            return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

HttpServer::HttpServer(unsigned short port)
    : m_ticketNonce(MakeTicketNonce(this))
{
    EnsureWinsock();
    m_listener = ListenOnLoopback(port, &m_port);
    if (m_listener != INVALID_SOCKET)
        m_acceptor = std::thread(&HttpServer::AcceptLoop, this);
}

HttpServer::~HttpServer()
{
    m_stopping = true;
    if (m_listener != INVALID_SOCKET)
        closesocket(m_listener);
    if (m_acceptor.joinable())
        m_acceptor.join();
    std::vector<std::thread> connections;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // Wake connection threads blocked in recv on idle keep-alive sockets.
        for (SOCKET s : m_openSockets)
            shutdown(s, SD_BOTH);
        connections.swap(m_connections);
    }
    for (auto& t : connections)
        t.join();
}

void HttpServer::Route(const std::string& pathAndQuery, HttpResponse response)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_routes[pathAndQuery] = std::move(response);
}

void HttpServer::Page(const std::string& pathAndQuery, const std::string& html)
{
    HttpResponse response;
    response.body = html;
    Route(pathAndQuery, std::move(response));
}

void HttpServer::Redirect(const std::string& pathAndQuery, const std::string& location, int status)
{
    HttpResponse response;
    response.status = status;
    response.headers.emplace_back("Location", location);
    Route(pathAndQuery, std::move(response));
}

void HttpServer::Reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_routes.clear();
    m_requested.clear();
    m_arrivals.clear();
    m_ticketedPath.clear();
    m_issuedTickets.clear();
    m_unspentTickets.clear();
}

void HttpServer::IssueTickets(const std::string& ticketedPath)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_ticketedPath = ticketedPath;
}

std::vector<std::string> HttpServer::IssuedTickets() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_issuedTickets;
}

void HttpServer::ServeFolder(const std::wstring& folder)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_folder = folder;
}

std::string HttpServer::Url(const std::string& pathAndQuery) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + pathAndQuery;
}

std::wstring HttpServer::WideUrl(const std::string& pathAndQuery) const
{
    const std::string url = Url(pathAndQuery);
    const int length = MultiByteToWideChar(CP_UTF8, 0, url.data(), static_cast<int>(url.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, url.data(), static_cast<int>(url.size()), wide.data(), length);
    return wide;
}

std::vector<std::string> HttpServer::RequestedPaths() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requested;
}

size_t HttpServer::CountRequests(const std::string& pathAndQuery) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<size_t>(std::count(m_requested.begin(), m_requested.end(), pathAndQuery));
}

size_t HttpServer::CountRequestsStartingWith(const std::string& start) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<size_t>(std::count_if(m_requested.begin(), m_requested.end(), [&](const std::string& path) {
        return path.compare(0, start.size(), start) == 0;
    }));
}

std::vector<LONGLONG> HttpServer::ArrivalTicks(const std::string& pathAndQuery) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<LONGLONG> ticks;
    for (size_t i = 0; i < m_requested.size(); ++i)
        if (m_requested[i] == pathAndQuery)
            ticks.push_back(m_arrivals[i]);
    return ticks;
}

void HttpServer::AcceptLoop()
{
    while (WaitReadable(m_listener)) {
        SOCKET connection = accept(m_listener, nullptr, nullptr);
        if (connection == INVALID_SOCKET)
            break;
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopping) {
            closesocket(connection);
            break;
        }
        m_openSockets.push_back(connection);
        m_connections.emplace_back(&HttpServer::ServeConnection, this, connection);
    }
}

bool HttpServer::WaitReadable(SOCKET socket) const
{
    while (!m_stopping) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(socket, &readable);
        timeval wait = {0, kStopCheckMs * 1000};
        const int ready = select(0, &readable, nullptr, nullptr, &wait);
        if (ready != 0)
            return ready > 0;
    }
    return false;
}

// Serves requests on one connection until the peer closes it (keep-alive),
// ignoring request bodies.
void HttpServer::ServeConnection(SOCKET connection)
{
    std::string buffer;
    char chunk[4096];
    while (!m_stopping) {
        size_t headEnd;
        while ((headEnd = buffer.find("\r\n\r\n")) == std::string::npos && buffer.size() < kMaxRequestHeadBytes) {
            const int n = WaitReadable(connection) ? recv(connection, chunk, sizeof chunk, 0) : 0;
            if (n <= 0)
                goto done;
            buffer.append(chunk, static_cast<size_t>(n));
        }
        if (headEnd == std::string::npos)
            break;
        std::istringstream head(buffer.substr(0, headEnd));
        std::string method, target, version;
        head >> method >> target >> version;
        size_t bodyLength = 0;
        std::string line;
        while (std::getline(head, line)) {
            std::string lower = line;
            std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
            if (lower.rfind("content-length:", 0) == 0)
                bodyLength = static_cast<size_t>(std::stoul(line.substr(15)));
        }
        buffer.erase(0, headEnd + 4);
        while (buffer.size() < bodyLength) {
            const int n = WaitReadable(connection) ? recv(connection, chunk, sizeof chunk, 0) : 0;
            if (n <= 0)
                goto done;
            buffer.append(chunk, static_cast<size_t>(n));
        }
        buffer.erase(0, bodyLength);

        const HttpResponse response = Answer(target);
        if (response.delayMs)
            Sleep(response.delayMs);
        std::string reply = "HTTP/1.1 " + std::to_string(response.status) + " " + ReasonPhrase(response.status) + "\r\n";
        reply += "Content-Type: " + response.contentType + "\r\n";
        reply += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
        reply += "Cache-Control: no-store\r\n";
        for (const auto& header : response.headers)
            reply += header.first + ": " + header.second + "\r\n";
        reply += "\r\n";
        if (method != "HEAD")
            reply += response.body;
        if (!SendAll(connection, reply))
            break;
    }
done:
    std::lock_guard<std::mutex> lock(m_mutex);
    m_openSockets.erase(std::remove(m_openSockets.begin(), m_openSockets.end(), connection), m_openSockets.end());
    closesocket(connection);
}

HttpResponse HttpServer::Answer(const std::string& target)
{
    LARGE_INTEGER arrival;
    QueryPerformanceCounter(&arrival);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requested.push_back(target);
        m_arrivals.push_back(arrival.QuadPart);
        HttpResponse ticketAnswer;
        if (AnswerTicketLocked(target, &ticketAnswer))
            return ticketAnswer;
        const auto route = m_routes.find(target);
        if (route != m_routes.end())
            return route->second;
    }
    return AnswerFromFolder(target);
}

bool HttpServer::AnswerTicketLocked(const std::string& target, HttpResponse* response)
{
    if (m_ticketedPath.empty())
        return false;
    const std::string path = PathOf(target);
    if (path == kTicketPath) {
        const std::string ticket = m_ticketNonce + "-" + std::to_string(++m_ticketCounter);
        m_issuedTickets.push_back(ticket);
        m_unspentTickets.insert(ticket);
        response->contentType = "text/plain; charset=utf-8";
        response->body = ticket;
        return true;
    }
    if (path != m_ticketedPath)
        return false;
    // An accepted request falls through to the routes and the folder.
    if (m_unspentTickets.erase(TicketOf(target)) == 1)
        return false;
    response->status = 403;
    response->body =
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>ticket expired</title></head>"
        "<body><p>This ticket was already used or never issued.</p></body></html>";
    return true;
}

HttpResponse HttpServer::AnswerFromFolder(const std::string& target) const
{
    HttpResponse notFound;
    notFound.status = 404;
    notFound.body = "<html><body>not found</body></html>";
    std::wstring folder;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        folder = m_folder;
    }
    std::string path = target.substr(0, target.find_first_of("?#"));
    if (folder.empty() || path.empty() || path[0] != '/' || path.find("..") != std::string::npos)
        return notFound;
    if (path.back() == '/')
        path += "index.html";
    std::wstring file = folder;
    for (char c : path)
        file += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    std::ifstream in(file.c_str(), std::ios::binary);
    if (!in)
        return notFound;
    HttpResponse response;
    response.contentType = ContentTypeFor(path);
    response.body.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return response;
}

unsigned short UnusedLoopbackPort()
{
    EnsureWinsock();
    unsigned short port = 0;
    // Bind without listening, note the port, release it: nothing listens there afterwards.
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        int length = sizeof address;
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
    }
    closesocket(s);
    return port;
}

}  // namespace testsupport
