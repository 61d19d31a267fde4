// Serves the files of one folder on 127.0.0.1, so that the update check of a
// development build has a server to ask:
//   update_server [--port N] <folder>      (port 8765 unless given)
// Only plain file names directly in the folder are served; anything else is 404.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "update_server/local_http_server.h"

namespace fs = std::filesystem;

namespace {

constexpr unsigned short kDefaultPort = 8765;

LocalHttpServer::Response ServeFile(const fs::path& folder, const std::string& path)
{
    LocalHttpServer::Response response;
    const std::string name = path.substr(1);
    const bool plainName = !name.empty() && name[0] != '.' && name.find('/') == std::string::npos &&
                           name.find('\\') == std::string::npos;
    std::error_code error;
    if (!plainName || !fs::is_regular_file(folder / name, error)) {
        response.status = 404;
        response.body = "not found\n";
        return response;
    }
    std::ifstream in(folder / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    response.body = bytes.str();
    response.headers.emplace_back("Content-Type", name.size() > 4 && name.compare(name.size() - 4, 4, ".xml") == 0
                                                      ? "application/xml"
                                                      : "application/octet-stream");
    return response;
}

int Usage()
{
    std::fprintf(stderr, "usage: update_server [--port N] <folder>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    unsigned long port = kDefaultPort;
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--port" && i + 1 < argc) {
            char* end = nullptr;
            port = std::strtoul(argv[++i], &end, 10);
            if (*end != '\0' || port == 0 || port > 65535)
                return Usage();
        } else if (folder.empty()) {
            folder = argument;
        } else {
            return Usage();
        }
    }
    if (folder.empty() || !fs::is_directory(folder))
        return Usage();

    const fs::path root = fs::absolute(folder);
    LocalHttpServer server([root](const std::string& path) { return ServeFile(root, path); },
                           static_cast<unsigned short>(port));
    if (!server.IsBound()) {
        std::fprintf(stderr, "update_server: port %lu: %s\n", port, server.Error().c_str());
        return 1;
    }
    std::printf("Serving %s on %s\n", root.string().c_str(), server.UrlFor("/").c_str());
    std::fflush(stdout);
    server.ServeForever();
    return 0;
}
