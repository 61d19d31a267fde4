#include <chrono>
#include <cstdlib>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "app/url_fetch.h"
#include "update_server/local_http_server.h"

namespace {

using Response = LocalHttpServer::Response;

// Answers from a fixed table of paths; anything else is 404.
LocalHttpServer::Handler Routes(std::map<std::string, Response> routes)
{
    return [routes](const std::string& path) {
        const auto found = routes.find(path);
        if (found != routes.end())
            return found->second;
        Response missing;
        missing.status = 404;
        missing.body = "no such file";
        return missing;
    };
}

Response Redirect(const std::string& location)
{
    Response response;
    response.status = 302;
    response.headers.emplace_back("Location", location);
    return response;
}

class UrlFetchTest : public testing::Test {
protected:
    // The servers are on 127.0.0.1; a proxy from the environment must not be asked.
    static void SetUpTestSuite()
    {
        for (const char* name : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            unsetenv(name);
    }
};

} // namespace

TEST_F(UrlFetchTest, AcceptsOnlyHttpAndHttpsAddresses)
{
    const struct { const char* url; bool accepted; } cases[] = {
        {"http://127.0.0.1/a", true}, {"https://corvane.example/x-update.xml", true}, {"HTTPS://Host/", true},
        {"http://", false}, {"ftp://host/file", false}, {"file:///etc/passwd", false},
        {"127.0.0.1/a", false}, {"", false}, {" http://host/", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsFetchableAddress(c.url), c.accepted) << c.url;
        if (!c.accepted) {
            EXPECT_EQ(FetchUrl(c.url).status, FetchStatus::kUnsupportedAddress) << c.url;
        }
    }
}

TEST_F(UrlFetchTest, ServedFileArrivesWholeAlsoThroughARedirect)
{
    Response file;
    file.body = std::string("<a>\0binary\xff</a>", 15);
    LocalHttpServer server(Routes({{"/file.xml", file}, {"/moved.xml", Redirect("/file.xml")}}));
    ASSERT_TRUE(server.IsBound()) << server.Error();
    server.Start();

    for (const char* path : {"/file.xml", "/moved.xml?x=1"}) {
        const FetchResult result = FetchUrl(server.UrlFor(path));
        EXPECT_EQ(result.status, FetchStatus::kOk) << path << ": " << result.error;
        EXPECT_EQ(result.httpStatus, 200) << path;
        EXPECT_EQ(result.body, file.body) << path;
    }
}

TEST_F(UrlFetchTest, ServerErrorsAndOversizedBodiesFail)
{
    Response failure;
    failure.status = 500;
    failure.body = "server trouble";
    Response big;
    big.body = std::string(5000, 'x');
    Response bigUnsized = big;
    bigUnsized.sendLength = false;
    Response nowhere;
    nowhere.status = 302;  // a redirect without a place to go
    LocalHttpServer server(Routes({{"/fail", failure}, {"/big", big}, {"/big-unsized", bigUnsized},
                                   {"/nowhere", nowhere}, {"/to-file", Redirect("file:///etc/passwd")}}));
    ASSERT_TRUE(server.IsBound()) << server.Error();
    server.Start();

    FetchOptions options;
    options.maxBytes = 4096;
    const struct { const char* path; FetchStatus status; long httpStatus; } cases[] = {
        {"/missing.xml", FetchStatus::kHttpError, 404},
        {"/fail", FetchStatus::kHttpError, 500},
        {"/nowhere", FetchStatus::kHttpError, 302},
        {"/big", FetchStatus::kTooLarge, 200},
        {"/big-unsized", FetchStatus::kTooLarge, 200},
        {"/to-file", FetchStatus::kUnsupportedAddress, 302},
    };
    for (const auto& c : cases) {
        const FetchResult result = FetchUrl(server.UrlFor(c.path), options);
        EXPECT_EQ(result.status, c.status) << c.path << ": " << result.error;
        EXPECT_EQ(result.httpStatus, c.httpStatus) << c.path;
        EXPECT_TRUE(result.body.empty()) << c.path;
        EXPECT_FALSE(result.error.empty()) << c.path;
    }
    options.maxBytes = 5000;
    EXPECT_EQ(FetchUrl(server.UrlFor("/big-unsized"), options).status, FetchStatus::kOk);
}

TEST_F(UrlFetchTest, RefusedConnectionFailsForBothSchemes)
{
    // Bound without listening: connections to the port are refused, and no
    // other program can take the port while the test runs.
    LocalHttpServer closed(Routes({}), 0, LocalHttpServer::Mode::kRefuse);
    ASSERT_TRUE(closed.IsBound()) << closed.Error();
    const std::string port = std::to_string(closed.Port());
    for (const std::string scheme : {"http", "https"}) {
        const FetchResult result = FetchUrl(scheme + "://127.0.0.1:" + port + "/x-update.xml");
        EXPECT_EQ(result.status, FetchStatus::kConnectFailed) << scheme << ": " << result.error;
    }
}

TEST_F(UrlFetchTest, SilentServerTimesOutWithinTheLimit)
{
    LocalHttpServer silent(Routes({}), 0, LocalHttpServer::Mode::kNeverAnswer);
    ASSERT_TRUE(silent.IsBound()) << silent.Error();
    silent.Start();

    FetchOptions options;
    options.totalTimeoutMs = 1500;
    options.connectTimeoutMs = 1000;
    const auto start = std::chrono::steady_clock::now();
    const FetchResult result = FetchUrl(silent.UrlFor("/x-update.xml"), options);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(result.status, FetchStatus::kTimedOut) << result.error;
    EXPECT_GE(elapsed, std::chrono::milliseconds(1400));
    EXPECT_LT(elapsed, std::chrono::milliseconds(4000));
}
