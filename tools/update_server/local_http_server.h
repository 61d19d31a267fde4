#pragma once
// A small HTTP server on 127.0.0.1 that answers each request with what its
// handler returns for the request's path, one connection at a time. It serves
// the sample update file during development and stands in for an update
// server in the tests, where it can also behave as a port that refuses
// connections or as a server that accepts and never answers.

#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

class LocalHttpServer {
public:
    struct Response {
        int status = 200;
        std::string body;
        std::vector<std::pair<std::string, std::string>> headers;  // besides Content-Length
        bool sendLength = true;  // without it the body simply runs until the connection closes
    };
    using Handler = std::function<Response(const std::string& path)>;

    enum class Mode {
        kAnswer,       // answers every request through the handler
        kNeverAnswer,  // accepts connections and keeps them open without a word
        kRefuse,       // holds the port without listening, so connections are refused
    };

    // Binds 127.0.0.1:port (0 picks a free port). Check IsBound() afterwards.
    explicit LocalHttpServer(Handler handler, unsigned short port = 0, Mode mode = Mode::kAnswer);
    // Stops the serving thread and closes every socket.
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    bool IsBound() const { return listenSocket_ >= 0; }
    const std::string& Error() const { return error_; }
    unsigned short Port() const { return port_; }
    std::string UrlFor(const std::string& path) const;

    // Serves on a thread of its own until destroyed.
    void Start();
    // Serves on the calling thread (for the command-line tool); does not return.
    void ServeForever();

private:
    void Serve();
    void Answer(int connection);

    Handler handler_;
    Mode mode_;
    int listenSocket_ = -1;
    int wakePipe_[2] = {-1, -1};
    unsigned short port_ = 0;
    std::string error_;
    std::vector<int> heldConnections_;  // kNeverAnswer; only the serving thread touches it until the join
    std::thread thread_;
};
