#include <gtest/gtest.h>

#include "app/domain_option.h"
#include "app/product_paths.h"
#include "support/temp_home.h"

TEST(DomainOption, ValuesArePositionalWhateverTheElementNames)
{
    const std::string path = MakeTempFolder("links") + "/option.cfg";
    WriteTextFile(path,
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r><g>"
                  "<a>help</a><b>two</b><c>support</c><d>four</d><e>http://u/x</e>"
                  "<f>download</f><g>fb</g><h>tw</h><i>gp</i></g></r>");
    const DomainOption links(wxString::FromUTF8(path));
    EXPECT_EQ(links.GetHelpUrl(), "help");
    EXPECT_EQ(links.GetSupportUrl(), "support");
    EXPECT_EQ(links.GetUpdateUrl(), "http://u/x-update.xml");
    EXPECT_EQ(links.GetDownloadUrl(), "download");
    EXPECT_EQ(links.GetFacebookUrl(), "fb");
    EXPECT_EQ(links.GetTwitterUrl(), "tw");
    EXPECT_EQ(links.GetGooglePlusUrl(), "gp");
}

TEST(DomainOption, MissingOrMalformedFileLeavesEverythingEmpty)
{
    const std::string folder = MakeTempFolder("links");
    WriteTextFile(folder + "/bad.cfg", "<r><g><a>unclosed</g>");
    for (const std::string& path : {folder + "/missing.cfg", folder + "/bad.cfg"}) {
        const DomainOption links(wxString::FromUTF8(path));
        EXPECT_EQ(links.GetHelpUrl(), "") << path;
        EXPECT_EQ(links.GetUpdateUrl(), "") << path;
    }
}

TEST(DomainOption, ShortGroupStopsAtTheLastValue)
{
    const std::string path = MakeTempFolder("links") + "/option.cfg";
    WriteTextFile(path, "<r><g><a>help</a><b>two</b></g></r>");
    const DomainOption links(wxString::FromUTF8(path));
    EXPECT_EQ(links.GetHelpUrl(), "help");
    EXPECT_EQ(links.GetDownloadUrl(), "");
}

TEST(DomainOption, ShippedFileHasAnUpdateAddress)
{
    const DomainOption links(GetProductLinksPath());
    EXPECT_TRUE(links.GetUpdateUrl().EndsWith("-update.xml"));
    EXPECT_TRUE(links.GetUpdateUrl().StartsWith("http"));
}
