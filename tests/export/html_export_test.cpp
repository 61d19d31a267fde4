// HTML pages of contacts, messages, notes and bookmarks, compared whole with
// the expected pages (merged into the small test template).
#include <gtest/gtest.h>

#include "app/language.h"
#include "app/product_paths.h"
#include "device/device_table.h"
#include "device/export_handshake.h"
#include "device/export_progress_state.h"
#include "device/html_export.h"
#include "device/html_export_request.h"
#include "device/html_table_rows.h"
#include "device/sync_objects.h"
#include "export_fixture.h"
#include "support/temp_home.h"

namespace {

const std::string kTestData = HANDOVER_EXPORT_TEST_DATA;

// Records as the content service hands them out.
struct Records {
    HandoverProperty phone{"Phone", "+1 555 0100", nullptr};
    HandoverProperty email{"Email", "tom&jerry@example.com", nullptr};
    HandoverContact tom{"Tom & \"Jerry\"", &phone, nullptr};
    HandoverContact nameless{nullptr, nullptr, nullptr};
    HandoverProperty address{"Address", "1 <Main> St", nullptr};
    HandoverContact ann{"Ann", &address, nullptr};

    HandoverMessage script{"<script>alert(\"x\")</script>", "2024-03-12 10:15:00", 0, nullptr};
    HandoverConversation olivia{"+1 555 0199", "Olivia O'Brien", &script, nullptr};
    HandoverMessage empty{nullptr, "2024-03-13 08:00:00", 0, nullptr};
    HandoverMessage sent{"Fish & chips?", "2024-03-13 07:59:00", 1, &empty};
    HandoverConversation unknown{"+44 20 7946 0000", nullptr, &sent, nullptr};

    HandoverNote plain{"Shopping", "Milk\nBread", "text/plain", nullptr};
    HandoverNote html{"Bold", "<b>bold</b> & more", "text/html", nullptr};

    HandoverBookmark root{nullptr, nullptr, "Bookmarks", nullptr, nullptr};
    HandoverBookmark news{&root, nullptr, "News", nullptr, nullptr};
    HandoverBookmark corvane{&root, nullptr, "Corvane", "https://corvane.example/?a=1&b=2", &news};
    HandoverBookmark paper{&news, nullptr, "Paper", "https://news.example/", nullptr};

    Records()
    {
        phone.next = &email;
        root.firstChild = &corvane;
        news.firstChild = &paper;
    }
};

class HtmlExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallLocale(kLanguageEnglish);
        // A stand-in installation whose template is the small test template.
        install = MakeTempFolder("html-install");
        WriteTextFile(install + "/template.html", ReadTextFile(kTestData + "/data/template.html"));
        SetExecutablePath(wxString::FromUTF8(install + "/bin/" HANDOVER_PROGRAM_NAME));
        destination = MakeTempFolder("html-to");
    }
    void TearDown() override { SetExecutablePath(HANDOVER_STAGE_DIR "/bin/" HANDOVER_PROGRAM_NAME); }

    std::unique_ptr<HtmlExportRequest> Request(int kind, const std::vector<const void*>& list,
                                               std::vector<unsigned> rows)
    {
        auto request = std::make_unique<HtmlExportRequest>();
        request->progressDialog = &progress;
        request->records = &list;
        request->destination = wxString::FromUTF8(destination);
        request->kind = kind;
        request->rowIndexes = std::move(rows);
        return request;
    }

    std::string install;
    std::string destination;
    Records records;
    FinishedRecorder finished;
    ExportProgressState progress{&finished};
};

struct PageCase {
    int kind;
    std::vector<const void*> list;
    std::vector<unsigned> rows;
    const char* page;       // written into the destination
    const char* expected;   // under expected/
    const char* progress;   // the kind's word left for the dialog
};

TEST_F(HtmlExportTest, PagesOfEachKindMatchTheExpectedPages)
{
    const Records& r = records;
    const PageCase cases[] = {
        // The third and first contact, numbered in export order; two properties give three rows.
        {kHtmlContacts, {&r.tom, &r.nameless, &r.ann}, {2, 0, 1}, "Contacts.html", "contacts.html", "Contacts"},
        {kHtmlMessages, {&r.olivia, &r.unknown}, {0, 1}, "Messages.html", "messages.html", "Messages"},
        {kHtmlNotes, {&r.plain, &r.html}, {0, 1}, "Notes.html", "notes.html", "Note"},
        {kHtmlBookmarks, {&r.root, &r.corvane, &r.news, &r.paper}, {0, 1, 2, 3}, "Safari.html", "bookmarks.html",
         "Safari"},
    };
    for (const PageCase& c : cases) {
        EXPECT_TRUE(ExportHtmlPage(Request(c.kind, c.list, c.rows))) << c.page;
        EXPECT_EQ(ReadTextFile(destination + "/" + c.page), ReadTextFile(kTestData + "/expected/" + c.expected))
            << c.page;
        EXPECT_EQ(progress.GetPercent(), 50);
        EXPECT_EQ(progress.GetText(), c.progress);
    }
    EXPECT_EQ(FolderEntries(destination),
              (std::set<std::string>{"Contacts.html", "Messages.html", "Notes.html", "Safari.html"}));
    EXPECT_TRUE(finished.WaitForFinished(4));
    EXPECT_EQ(finished.lastOutcome, kExportCompleted);
    EXPECT_TRUE(exportStopFlag.load());
}

TEST_F(HtmlExportTest, HeadersAndMessageTypesAreTranslated)
{
    InstallLocale(kLanguageGerman);
    const std::vector<const void*> list{&records.unknown};
    const std::vector<std::string> rows = BuildHtmlRows(*Request(kHtmlMessages, list, {0}));
    InstallLocale(kLanguageEnglish);
    const std::vector<std::string> expected{
        "<tr><th>ID</th><th>Name</th><th>Telefonnummer</th><th>Nachrichten</th><th>Datum und Uhrzeit</th>"
        "<th>Typ</th><th>Text</th></tr>",
        "<tr><td>1</td><td></td><td>+44 20 7946 0000</td><td>-&gt;</td><td>-</td><td>-</td><td>-</td></tr>",
        "<tr><td></td><td></td><td></td><td>-&gt;</td><td>2024-03-13 07:59:00</td><td>Gesendet</td>"
        "<td>Fish &amp; chips?</td></tr>",
        "<tr><td></td><td></td><td></td><td>-&gt;</td><td>2024-03-13 08:00:00</td><td>Empfangen</td>"
        "<td></td></tr>",
    };
    EXPECT_EQ(rows, expected);
}

TEST_F(HtmlExportTest, NoRowsWriteNoPageButStillFinish)
{
    const std::vector<const void*> list{&records.tom};
    EXPECT_TRUE(ExportHtmlPage(Request(kHtmlContacts, list, {})));
    EXPECT_TRUE(FolderEntries(destination).empty());
    ASSERT_TRUE(finished.WaitForFinished());
    EXPECT_EQ(finished.lastOutcome, kExportCompleted);
}

TEST_F(HtmlExportTest, PositionsOutsideTheListAreSkipped)
{
    const std::vector<const void*> list{&records.plain, nullptr};
    EXPECT_TRUE(ExportHtmlPage(Request(kHtmlNotes, list, {7, 1, 0})));
    const std::vector<std::string> rows = BuildHtmlRows(*Request(kHtmlNotes, list, {7, 1, 0}));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], "<tr><td>1</td><td>Shopping</td><td>Milk\nBread</td><td>text/plain</td></tr>");
}

TEST_F(HtmlExportTest, MissingTemplateWritesNoPageAndReportsFailure)
{
    wxRemoveFile(wxString::FromUTF8(install + "/template.html"));
    const std::vector<const void*> list{&records.tom};
    EXPECT_FALSE(ExportHtmlPage(Request(kHtmlContacts, list, {0})));
    EXPECT_TRUE(FolderEntries(destination).empty());
    ASSERT_TRUE(finished.WaitForFinished());
    EXPECT_EQ(finished.lastOutcome, kExportFailed);
    EXPECT_TRUE(exportStopFlag.load());
}

TEST_F(HtmlExportTest, UnknownKindReportsFailure)
{
    const std::vector<const void*> list{&records.tom};
    EXPECT_FALSE(ExportHtmlPage(Request(9, list, {0})));
    EXPECT_TRUE(FolderEntries(destination).empty());
    ASSERT_TRUE(finished.WaitForFinished());
    EXPECT_EQ(finished.lastOutcome, kExportFailed);
}

// The demo iPhone's messages through the export thread and the installed template.
TEST(DemoHtmlExport, MessagesPageShowsDeviceMarkupAsText)
{
    InstallLocale(kLanguageEnglish);
    DetectDevices(DemoDevicePath("iphone"));
    std::vector<const void*> conversations;
    {
        wxMutexLocker lock(deviceTable.deviceTableMutex);
        for (const HandoverConversation* c = deviceTable.slots[0].messages; c != nullptr; c = c->next)
            conversations.push_back(c);
    }
    ASSERT_EQ(conversations.size(), 5u);

    const std::string destination = MakeTempFolder("demo-html");
    FinishedRecorder finished;
    ExportProgressState progress(&finished);
    auto request = std::make_unique<HtmlExportRequest>();
    request->progressDialog = &progress;
    request->records = &conversations;
    request->destination = wxString::FromUTF8(destination);
    request->kind = kHtmlMessages;
    request->rowIndexes = {0, 1, 2, 3, 4};
    ASSERT_TRUE(LaunchHtmlExport(std::move(request)));
    ASSERT_TRUE(finished.WaitForFinished());
    EXPECT_EQ(finished.lastOutcome, kExportCompleted);

    const std::string page = ReadTextFile(destination + "/Messages.html");
    const std::string installed = ReadTextFile(HANDOVER_STAGE_DIR "/template.html");
    EXPECT_GT(page.size(), installed.size());
    EXPECT_NE(page.find("&lt;script&gt;"), std::string::npos);
    EXPECT_EQ(page.find("<script"), installed.find("<script"));  // no markup from the device
    EXPECT_NE(page.find("<title>\nMessages\n"), std::string::npos);
    EXPECT_NE(page.find("<tr><td>5</td>"), std::string::npos);
}

} // namespace
