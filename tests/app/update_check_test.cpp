#include <chrono>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/filefn.h>
#include <wx/utils.h>

#include "app/domain_option.h"
#include "app/language.h"
#include "app/product_paths.h"
#include "app/update_check.h"
#include "support/temp_home.h"
#include "update_server/local_http_server.h"

namespace {

const char kNewerText[] =
    "A new version of Corvane Handover Free(1.0.16) is available. Click Yes to open download page.";
const char kLatestText[] = "This version of Corvane Handover Free(1.0.15) is the latest version.";
const char kFailedText[] = "Update failed!Please check if the network is available.";

std::string UpdateFile(const std::string& elements)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<updates>" + elements + "</updates>\n";
}

// A link file whose update base and download page are the given addresses.
std::string WriteLinks(const std::string& updateBase)
{
    const std::string path = MakeTempFolder("links") + "/option.cfg";
    WriteTextFile(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<links><group>"
                        "<a>help</a><b/><c>support</c><d/><e>" + updateBase + "</e>"
                        "<f>http://127.0.0.1:1/download</f><g/><h/><i/></group></links>");
    return path;
}

struct CheckResult {
    bool arrived = false;
    wxString version;
};

// Starts a check whose result is recorded in the returned record.
std::shared_ptr<CheckResult> StartCheck(const std::string& linksPath, const FetchOptions& options)
{
    auto result = std::make_shared<CheckResult>();
    EXPECT_TRUE(StartUpdateCheck(wxString::FromUTF8(linksPath), options, [result](const wxString& version) {
        result->arrived = true;
        result->version = version;
    }));
    EXPECT_FALSE(result->arrived) << "the result must come through the event queue";
    return result;
}

// Delivers queued events, as the event loop would, until the result is in.
void WaitForResult(const CheckResult& result)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!result.arrived && std::chrono::steady_clock::now() < deadline) {
        wxApp::GetInstance()->ProcessPendingEvents();
        if (!result.arrived)
            wxMilliSleep(5);
    }
    EXPECT_TRUE(result.arrived);
}

CheckResult RunCheck(const std::string& linksPath, const FetchOptions& options = FetchOptions())
{
    const std::shared_ptr<CheckResult> result = StartCheck(linksPath, options);
    WaitForResult(*result);
    return *result;
}

class UpdateCheckTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (const char* name : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            unsetenv(name);
    }
    void SetUp() override { InstallLocale(58); }
};

} // namespace

TEST(VersionKey, ByteOrderFollowsDottedVersionOrder)
{
    const struct { const char* a; const char* b; int order; } cases[] = {
        {"1.0.15", "1.0.16", -1}, {"1.0.15", "1.1.0", -1}, {"1.0.15", "2.0", -1}, {"1.0.16", "1.1.0", -1},
        {"1.0.9", "1.0.10", -1},  {"1.0.15", "1.0.15", 0}, {"1.0.14", "1.0.15", -1}, {"9.9.9", "10.0", -1},
        {"1.0", "1.0.1", -1},     {"2", "2.0.0", 0},       {"01.00.015", "1.0.15", 0}, {" 1.0.16\n", "1.0.16", 0},
        {"1.0.16-beta", "1.0.16", 0}, {"1.0.16.", "1.0.16", 0}, {"1..2", "1", 0}, {"1.0.15.1", "1.0.15", 1},
        {"abc", "0.0.1", -1},     {"", "abc", 0},          {"v2.0", "1.0.15", -1},
        // Beyond the key: clamped or cut, never reordered.
        {"1234567890", "999999999", 0}, {"1234567890", "99999999", 1},
        {"1.0.15.10", "1.0.15.11", 0},  {"1.0.15.10", "1.0.15.9", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompareVersions(c.a, c.b), c.order) << c.a << " vs " << c.b;
        EXPECT_EQ(CompareVersions(c.b, c.a), -c.order) << c.b << " vs " << c.a;
        EXPECT_EQ(MakeVersionKey(c.a).size(), 9u) << c.a;
    }
    EXPECT_EQ(MakeVersionKey("1.0.15"), "111021500");
    EXPECT_EQ(MakeVersionKey("2.0"), "120000000");
    EXPECT_EQ(MakeVersionKey("nothing"), "000000000");
}

TEST(UpdateFile, OfferedVersionIsTheAttributeAfterTheProductName)
{
    const wxString product = "Corvane Handover Free";
    const struct { const char* name; std::string document; const char* version; } cases[] = {
        {"listed", UpdateFile("<p name=\"Corvane Handover Free\" version=\"1.0.16\"/>"), "1.0.16"},
        {"names are free", UpdateFile("<x a=\"1\" b=\"Corvane Handover Free\" c=\"2.0\" d=\"3.0\"/>"), "2.0"},
        {"later element wins",
         UpdateFile("<p n=\"Corvane Handover Free\" v=\"1.0.17\"/><q/><p n=\"Corvane Handover Free\" v=\"1.0.16\"/>"),
         "1.0.16"},
        {"other products skipped",
         UpdateFile("<p n=\"Corvane Handover Pro\" v=\"9.0\"/><p n=\"Corvane Handover Free\" v=\"1.0.16\"/>"
                    "<p n=\"Corvane Handover Plus\" v=\"8.0\"/>"),
         "1.0.16"},
        {"name is the last attribute", UpdateFile("<p v=\"1.0.16\" n=\"Corvane Handover Free\"/>"), ""},
        {"a later element without a version keeps the earlier one",
         UpdateFile("<p n=\"Corvane Handover Free\" v=\"1.0.16\"/><p n=\"Corvane Handover Free\"/>"), "1.0.16"},
        {"product not listed", UpdateFile("<p n=\"Corvane Handover Pro\" v=\"1.0.16\"/>"), ""},
        {"name compared exactly", UpdateFile("<p n=\"corvane handover free\" v=\"1.0.16\"/>"), ""},
        {"only the root's children count",
         UpdateFile("<group><p n=\"Corvane Handover Free\" v=\"1.0.16\"/></group>"), ""},
        {"root itself not examined", "<u n=\"Corvane Handover Free\" v=\"1.0.16\"/>", ""},
        {"not XML", "<html><body>Not found</body>", ""},
        {"cut short", UpdateFile("<p n=\"Corvane Handover Free\" v=\"1.0.16\"/>").substr(0, 60), ""},
        {"empty", "", ""},
        {"binary", std::string("\0\xff\xfe<", 4), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindOfferedVersion(c.document, product), c.version) << c.name;

    // Nesting as deep as a few megabytes allow must not exhaust the stack.
    const int depth = 500000;
    std::string deep = "<u><p n=\"Corvane Handover Free\" v=\"1.0.16\"/>";
    for (int i = 0; i < depth; ++i)
        deep += "<a>";
    for (int i = 0; i < depth; ++i)
        deep += "</a>";
    EXPECT_EQ(FindOfferedVersion(deep + "</u>", product), "1.0.16");
}

TEST_F(UpdateCheckTest, MessagesNameTheOfferedOrTheOwnVersion)
{
    const struct { const char* offered; UpdateOutcome outcome; const char* text; } cases[] = {
        {"1.0.16", UpdateOutcome::kNewerOffered, kNewerText},
        {"1.0.15", UpdateOutcome::kLatest, kLatestText},
        {"1.0.14", UpdateOutcome::kLatest, kLatestText},
        {"", UpdateOutcome::kFailed, kFailedText},
    };
    for (const auto& c : cases) {
        const UpdateMessage message = BuildUpdateMessage(c.offered);
        EXPECT_EQ(message.outcome, c.outcome) << c.offered;
        EXPECT_EQ(message.text, c.text) << c.offered;
    }
}

TEST_F(UpdateCheckTest, MessagesAreTranslatedInEveryLanguage)
{
    InstallLocale(89);
    EXPECT_EQ(BuildUpdateMessage("1.0.16").text.utf8_string(),
              "Eine neue Version von Corvane Handover Free(1.0.16) ist verf\xc3\xbc" "gbar. Klicken Sie auf "
              "\xe2\x80\x9eJa\xe2\x80\x9c, um die Download-Seite zu \xc3\xb6" "ffnen.");

    const struct { const char* offered; const char* named; } cases[] = {
        {"1.0.16", "Corvane Handover Free(1.0.16)"}, {"1.0.15", "Corvane Handover Free(1.0.15)"}, {"", ""},
    };
    const char* englishFragments[] = {"A new version of", ") is available", "This version of",
                                      ") is the latest", "Update failed"};
    for (int code : {46, 47, 80, 89, 110, 112}) {
        InstallLocale(code);
        for (const auto& c : cases) {
            const wxString text = BuildUpdateMessage(c.offered).text;
            EXPECT_TRUE(text.Contains(c.named)) << code << ": " << text;
            for (const char* fragment : englishFragments)
                EXPECT_FALSE(text.Contains(fragment)) << code << ": " << text;
        }
    }
    InstallLocale(58);
}

TEST_F(UpdateCheckTest, ServedUpdateFileDecidesTheMessage)
{
    std::map<std::string, std::string> files = {
        {"/newer-update.xml", UpdateFile("<p n=\"Corvane Handover Free\" v=\"1.0.16\"/>")},
        {"/same-update.xml", UpdateFile("<p n=\"Corvane Handover Pro\" v=\"3.0\"/>"
                                        "<p n=\"Corvane Handover Free\" v=\"1.0.15\"/>")},
        {"/twice-update.xml", UpdateFile("<p n=\"Corvane Handover Free\" v=\"1.0.14\"/>"
                                         "<p n=\"Corvane Handover Free\" v=\"1.0.16\"/>")},
        {"/last-update.xml", UpdateFile("<p v=\"1.0.16\" n=\"Corvane Handover Free\"/>")},
        {"/broken-update.xml", "<updates><p n=\"Corvane Handover Free\" v=\"1.0.16\">"},
        {"/page-update.xml", "<!DOCTYPE html>\n<html><body><p>Not here<br></body></html>"},
    };
    LocalHttpServer server([files](const std::string& path) {
        LocalHttpServer::Response response;
        const auto found = files.find(path);
        if (found == files.end())
            response.status = 404;
        else
            response.body = found->second;
        return response;
    });
    ASSERT_TRUE(server.IsBound()) << server.Error();
    server.Start();
    // Bound without listening, so nothing answers there.
    LocalHttpServer closed(nullptr, 0, LocalHttpServer::Mode::kRefuse);
    ASSERT_TRUE(closed.IsBound()) << closed.Error();

    const struct { std::string base; const char* text; } cases[] = {
        {server.UrlFor("/newer"), kNewerText},
        {server.UrlFor("/same"), kLatestText},
        {server.UrlFor("/twice"), kNewerText},
        {server.UrlFor("/last"), kFailedText},
        {server.UrlFor("/broken"), kFailedText},
        {server.UrlFor("/page"), kFailedText},
        {server.UrlFor("/missing"), kFailedText},
        {closed.UrlFor("/newer"), kFailedText},
        {"", kFailedText},
    };
    for (const auto& c : cases) {
        const CheckResult result = RunCheck(WriteLinks(c.base));
        EXPECT_EQ(BuildUpdateMessage(result.version).text, c.text) << c.base;
    }
}

TEST_F(UpdateCheckTest, SilentServerEndsInFailureWithinTheTimeout)
{
    LocalHttpServer silent(nullptr, 0, LocalHttpServer::Mode::kNeverAnswer);
    ASSERT_TRUE(silent.IsBound()) << silent.Error();
    silent.Start();
    const std::string links = WriteLinks(silent.UrlFor("/stuck"));

    FetchOptions options;
    options.totalTimeoutMs = 1500;
    options.connectTimeoutMs = 1000;
    auto secondResult = std::make_shared<bool>(false);
    const auto start = std::chrono::steady_clock::now();
    const std::shared_ptr<CheckResult> result = StartCheck(links, options);
    // One check at a time: a second request while the first runs is turned down.
    EXPECT_FALSE(StartUpdateCheck(wxString::FromUTF8(links), options,
                                  [secondResult](const wxString&) { *secondResult = true; }));
    WaitForResult(*result);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(4000));
    EXPECT_TRUE(result->version.empty());
    EXPECT_FALSE(*secondResult);

    // Once the result is in, the next check may start.
    EXPECT_TRUE(RunCheck(WriteLinks(""), options).arrived);
}

TEST(ShippedUpdateFiles, LinkFilePointsAtTheSampleUpdateFile)
{
    const wxString url = DomainOption(GetProductLinksPath()).GetUpdateUrl();
    EXPECT_TRUE(IsFetchableAddress(url)) << url;
    const std::string sample = HANDOVER_SOURCE_DIR "/data/update/" + url.AfterLast('/').utf8_string();
    ASSERT_TRUE(wxFileExists(wxString::FromUTF8(sample))) << sample;
    const wxString offered = FindOfferedVersion(ReadTextFile(sample), GetProductDisplayName());
    EXPECT_EQ(CompareVersions(offered, GetProductVersion()), 0) << offered;
}
