#include <gtest/gtest.h>
#include <wx/filefn.h>

#include "app/product_paths.h"
#include "support/temp_home.h"

TEST(ProductIdentity, NamesAndVersion)
{
    EXPECT_EQ(GetMakerName(), "Corvane");
    EXPECT_EQ(GetProductDisplayName(), "Corvane Handover Free");
    EXPECT_EQ(GetMainWindowTitle(), "Corvane Handover Free");
    EXPECT_EQ(GetProductVersion(), "1.0.15");
}

TEST(ProductIdentity, BuildYearIsTheLastWordOfTheBuildDate)
{
    const struct {
        const char* date;
        const char* year;
    } cases[] = {
        {"Oct 23 2015", "2015"},
        {"Dec  1 2026", "2026"},  // the compiler pads a one-digit day
        {"Oct 23 2015 ", "2015"},
        {"2015", "2015"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BuildYearOf(c.date), c.year) << '"' << c.date << '"';

    const wxString year = BuildYearOf(GetBuildDate());
    EXPECT_EQ(year.length(), 4u);
    EXPECT_TRUE(year.IsNumber());
}

TEST(ProductPaths, ExecutableAndInstallFolderFromProgramPath)
{
    const struct { const char* program; const char* exeDir; const char* installDir; } cases[] = {
        {"D:\\Apps\\Prod\\bin\\app.exe", "D:/Apps/Prod/bin", "D:/Apps/Prod"},
        {"/opt/corvane/bin/corvane-handover", "/opt/corvane/bin", "/opt/corvane"},
        {"bin/app", "bin", ""},
        {"app", "", ""},
    };
    for (const auto& c : cases) {
        const wxString exeDir = ExecutableDirFromProgramPath(c.program);
        EXPECT_EQ(exeDir, c.exeDir) << c.program;
        EXPECT_EQ(ParentFolderOf(exeDir), c.installDir) << c.program;
    }
}

TEST(ProductPaths, InstallationFilesComeFromTheStagedTree)
{
    EXPECT_EQ(GetInstallDir(), HANDOVER_STAGE_DIR);
    EXPECT_EQ(GetProductLinksPath(), HANDOVER_STAGE_DIR "/option.cfg");
    EXPECT_TRUE(wxFileExists(GetProductLinksPath()));
    EXPECT_TRUE(wxFileExists(GetInstallDir() + "/Themes/face.xml"));
    EXPECT_TRUE(wxFileExists(GetInstallDir() + "/Themes/default.zip"));
    EXPECT_TRUE(wxFileExists(GetInstallDir() + "/template.html"));
    EXPECT_TRUE(FindMissingInstallFiles(GetInstallDir()).empty());
}

TEST(ProductPaths, MissingInstallationFilesAreNamed)
{
    const std::string folder = MakeTempFolder("install");
    EXPECT_EQ(FindMissingInstallFiles(folder).size(), 10u);

    // Everything but one catalogue.
    for (const char* file : {"Themes/default.zip", "Themes/face.xml", "option.cfg", "template.html"})
        WriteTextFile(folder + "/" + file, "x");
    for (const char* lang : {"de", "fr", "it", "ja", "zh_CN"})
        WriteTextFile(folder + "/Language/" + lang + "/LC_MESSAGES/language.mo", "x");
    EXPECT_EQ(FindMissingInstallFiles(folder), std::vector<wxString>{"Language/zh_TW/LC_MESSAGES/language.mo"});
}

TEST(ProductPaths, UserFilesFolderIsCreatedOnceUnderTheDocumentsFolder)
{
    const wxString expected = wxString::FromUTF8(TestHome()) + "/Documents/Corvane files/Corvane Handover Free";
    const wxString first = GetUserFilesDir();
    EXPECT_EQ(first, expected);
    EXPECT_TRUE(wxDirExists(first));
    EXPECT_EQ(GetUserFilesDir(), first);
    EXPECT_EQ(GetLanguageFilePath(), expected + "/language.txt");
}
