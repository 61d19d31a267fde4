// Merging a title and rows into a template, line by line.
#include <gtest/gtest.h>

#include "device/html_template_merge.h"
#include "export_fixture.h"
#include "support/temp_home.h"

namespace {

class TemplateMergeTest : public ::testing::Test {
protected:
    void SetUp() override { folder = MakeTempFolder("merge"); }

    // Merges `page` as the template and returns what was written.
    std::string Merge(const std::string& page, const std::vector<std::string>& rows = {"<tr>1</tr>", "<tr>2</tr>"})
    {
        WriteTextFile(folder + "/template.html", page);
        EXPECT_TRUE(MergeHtmlTemplate("Title", wxString::FromUTF8(folder + "/template.html"),
                                      wxString::FromUTF8(folder + "/out.html"), rows));
        return ReadTextFile(folder + "/out.html");
    }

    std::string folder;
};

struct MergeCase {
    const char* page;
    const char* merged;
};

TEST_F(TemplateMergeTest, InsertsAfterTheMarkerLines)
{
    const MergeCase cases[] = {
        // Without markers the template is copied byte for byte, last line end or not.
        {"<html>\n<body>x</body>\n</html>\n", "<html>\n<body>x</body>\n</html>\n"},
        {"<html>\r\n<p>no end</p>", "<html>\r\n<p>no end</p>"},
        {"", ""},
        {"<title>\n</title>\n<table class=\"x\">\n</table>\n",
         "<title>\nTitle\n</title>\n<table class=\"x\">\n<tr>1</tr>\n<tr>2</tr>\n</table>\n"},
        // A line with both markers gets the title only.
        {"<title></title><table>\n</table>\n", "<title></title><table>\nTitle\n</table>\n"},
        // The marker test is case-sensitive.
        {"<TITLE>\n<TABLE>\n", "<TITLE>\n<TABLE>\n"},
        // Inserted lines end the way the marker line ends; a last marker line gets its end first.
        {"<title>\r\n</title>\r\n<table>", "<title>\r\nTitle\r\n</title>\r\n<table>\n<tr>1</tr>\n<tr>2</tr>\n"},
        {"<table>\r\n</table>\r\n", "<table>\r\n<tr>1</tr>\r\n<tr>2</tr>\r\n</table>\r\n"},
    };
    for (const MergeCase& c : cases)
        EXPECT_EQ(Merge(c.page), c.merged) << c.page;
}

TEST_F(TemplateMergeTest, ReplacesAnExistingPageAndLeavesNoTemporary)
{
    WriteTextFile(folder + "/out.html", "an older page that is longer than the new one");
    EXPECT_EQ(Merge("<table>\n", {"<tr/>"}), "<table>\n<tr/>\n");
    EXPECT_EQ(FolderEntries(folder), (std::set<std::string>{"template.html", "out.html"}));
}

TEST_F(TemplateMergeTest, UnreadableTemplateOrFolderWritesNothing)
{
    WriteTextFile(folder + "/a-folder/inside", "x");
    WriteTextFile(folder + "/template.html", "<table>\n");
    const wxString out = wxString::FromUTF8(folder + "/out.html");
    EXPECT_FALSE(MergeHtmlTemplate("T", wxString::FromUTF8(folder + "/missing.html"), out, {}));
    EXPECT_FALSE(MergeHtmlTemplate("T", wxString::FromUTF8(folder + "/a-folder"), out, {}));
    EXPECT_FALSE(MergeHtmlTemplate("T", wxString::FromUTF8(folder + "/template.html"),
                                   wxString::FromUTF8(folder + "/no-such-folder/out.html"), {}));
    EXPECT_FALSE(MergeHtmlTemplate("T", wxString::FromUTF8(folder + "/template.html"),
                                   wxString::FromUTF8(folder + "/a-folder"), {}));
    EXPECT_EQ(FolderEntries(folder), (std::set<std::string>{"template.html", "a-folder"}));
    EXPECT_EQ(FolderEntries(folder + "/a-folder"), (std::set<std::string>{"inside"}));
}

} // namespace
