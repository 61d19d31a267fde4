#include "update_server/local_http_server.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kReadTimeoutMs = 2000;
constexpr size_t kMaxRequestBytes = 16 * 1024;

const char* ReasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

void SendAll(int connection, const std::string& bytes)
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(connection, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        sent += static_cast<size_t>(n);
    }
}

// Reads until the end of the request head; empty when the client stops first.
std::string ReadRequestHead(int connection)
{
    std::string request;
    char buffer[2048];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < kMaxRequestBytes) {
        pollfd ready{connection, POLLIN, 0};
        if (poll(&ready, 1, kReadTimeoutMs) <= 0)
            return std::string();
        const ssize_t n = recv(connection, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return std::string();
        request.append(buffer, static_cast<size_t>(n));
    }
    return request;
}

// "GET /a/b?x HTTP/1.1" -> "/a/b"; empty for anything else.
std::string RequestPath(const std::string& request)
{
    const size_t lineEnd = request.find("\r\n");
    const std::string line = request.substr(0, lineEnd);
    const size_t firstBlank = line.find(' ');
    if (firstBlank == std::string::npos)
        return std::string();
    const size_t secondBlank = line.find(' ', firstBlank + 1);
    std::string target = line.substr(firstBlank + 1, secondBlank == std::string::npos ? std::string::npos
                                                                                      : secondBlank - firstBlank - 1);
    const size_t query = target.find('?');
    if (query != std::string::npos)
        target.resize(query);
    return target.empty() || target[0] != '/' ? std::string() : target;
}

} // namespace

LocalHttpServer::LocalHttpServer(Handler handler, unsigned short port, Mode mode)
    : handler_(std::move(handler)), mode_(mode)
{
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error_ = std::strerror(errno);
        return;
    }
    const int reuse = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        (mode_ != Mode::kRefuse && listen(fd, 16) != 0) ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0 || pipe2(wakePipe_, O_CLOEXEC) != 0) {
        error_ = std::strerror(errno);
        close(fd);
        return;
    }
    listenSocket_ = fd;
    port_ = ntohs(address.sin_port);
}

LocalHttpServer::~LocalHttpServer()
{
    if (thread_.joinable()) {
        const char stop = 's';
        while (write(wakePipe_[1], &stop, 1) < 0 && errno == EINTR) {
        }
        thread_.join();
    }
    for (int connection : heldConnections_)
        close(connection);
    for (int fd : {listenSocket_, wakePipe_[0], wakePipe_[1]})
        if (fd >= 0)
            close(fd);
}

std::string LocalHttpServer::UrlFor(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void LocalHttpServer::Start()
{
    if (IsBound() && mode_ != Mode::kRefuse && !thread_.joinable())
        thread_ = std::thread([this] { Serve(); });
}

void LocalHttpServer::ServeForever()
{
    if (IsBound())
        Serve();
}

void LocalHttpServer::Serve()
{
    for (;;) {
        pollfd ready[2] = {{listenSocket_, POLLIN, 0}, {wakePipe_[0], POLLIN, 0}};
        if (poll(ready, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (ready[1].revents != 0)
            return;
        if ((ready[0].revents & POLLIN) == 0)
            continue;
        const int connection = accept4(listenSocket_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            continue;
        if (mode_ == Mode::kNeverAnswer) {
            heldConnections_.push_back(connection);
            continue;
        }
        Answer(connection);
        close(connection);
    }
}

void LocalHttpServer::Answer(int connection)
{
    const std::string path = RequestPath(ReadRequestHead(connection));
    Response response;
    if (path.empty())
        response.status = 400;
    else
        response = handler_(path);

    std::string head = "HTTP/1.1 " + std::to_string(response.status) + " " + ReasonPhrase(response.status) + "\r\n";
    if (response.sendLength)
        head += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
    for (const auto& header : response.headers)
        head += header.first + ": " + header.second + "\r\n";
    head += "Connection: close\r\n\r\n";
    SendAll(connection, head + response.body);
}
