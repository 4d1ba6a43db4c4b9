#include "http_server.h"

#include <ws2tcpip.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace testsupport {

namespace {

constexpr int kListenBacklog = 32;
constexpr size_t kMaxRequestHeadBytes = 64 * 1024;

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
{
    EnsureWinsock();
    listener_ = ListenOnLoopback(port, &port_);
    if (listener_ != INVALID_SOCKET)
        acceptor_ = std::thread(&HttpServer::AcceptLoop, this);
}

HttpServer::~HttpServer()
{
    stopping_ = true;
    if (listener_ != INVALID_SOCKET)
        closesocket(listener_);
    if (acceptor_.joinable())
        acceptor_.join();
    std::vector<std::thread> connections;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        // Wake connection threads blocked in recv on idle keep-alive sockets.
        for (SOCKET s : openSockets_)
            shutdown(s, SD_BOTH);
        connections.swap(connections_);
    }
    for (auto& t : connections)
        t.join();
}

void HttpServer::Route(const std::string& pathAndQuery, HttpResponse response)
{
    std::lock_guard<std::mutex> lock(mutex_);
    routes_[pathAndQuery] = std::move(response);
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
    std::lock_guard<std::mutex> lock(mutex_);
    routes_.clear();
    requested_.clear();
    arrivals_.clear();
}

void HttpServer::ServeFolder(const std::wstring& folder)
{
    std::lock_guard<std::mutex> lock(mutex_);
    folder_ = folder;
}

std::string HttpServer::Url(const std::string& pathAndQuery) const
{
    return "http://127.0.0.1:" + std::to_string(port_) + pathAndQuery;
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
    std::lock_guard<std::mutex> lock(mutex_);
    return requested_;
}

size_t HttpServer::CountRequests(const std::string& pathAndQuery) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<size_t>(std::count(requested_.begin(), requested_.end(), pathAndQuery));
}

std::vector<LONGLONG> HttpServer::ArrivalTicks(const std::string& pathAndQuery) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<LONGLONG> ticks;
    for (size_t i = 0; i < requested_.size(); ++i)
        if (requested_[i] == pathAndQuery)
            ticks.push_back(arrivals_[i]);
    return ticks;
}

void HttpServer::AcceptLoop()
{
    while (!stopping_) {
        SOCKET connection = accept(listener_, nullptr, nullptr);
        if (connection == INVALID_SOCKET)
            break;
        std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_) {
            closesocket(connection);
            break;
        }
        openSockets_.push_back(connection);
        connections_.emplace_back(&HttpServer::ServeConnection, this, connection);
    }
}

// Serves requests on one connection until the peer closes it (keep-alive),
// ignoring request bodies.
void HttpServer::ServeConnection(SOCKET connection)
{
    std::string buffer;
    char chunk[4096];
    while (!stopping_) {
        size_t headEnd;
        while ((headEnd = buffer.find("\r\n\r\n")) == std::string::npos && buffer.size() < kMaxRequestHeadBytes) {
            const int n = recv(connection, chunk, sizeof chunk, 0);
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
            const int n = recv(connection, chunk, sizeof chunk, 0);
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
    std::lock_guard<std::mutex> lock(mutex_);
    openSockets_.erase(std::remove(openSockets_.begin(), openSockets_.end(), connection), openSockets_.end());
    closesocket(connection);
}

HttpResponse HttpServer::Answer(const std::string& target)
{
    LARGE_INTEGER arrival;
    QueryPerformanceCounter(&arrival);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requested_.push_back(target);
        arrivals_.push_back(arrival.QuadPart);
        const auto route = routes_.find(target);
        if (route != routes_.end())
            return route->second;
    }
    return AnswerFromFolder(target);
}

HttpResponse HttpServer::AnswerFromFolder(const std::string& target) const
{
    HttpResponse notFound;
    notFound.status = 404;
    notFound.body = "<html><body>not found</body></html>";
    std::wstring folder;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        folder = folder_;
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
