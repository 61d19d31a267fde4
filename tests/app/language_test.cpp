#include <gtest/gtest.h>
#include <wx/filefn.h>
#include <wx/intl.h>
#include <wx/translation.h>

#include "app/language.h"
#include "app/product_paths.h"
#include "support/temp_home.h"

namespace {

std::string LanguageFile()
{
    return std::string(GetLanguageFilePath().utf8_str());
}

} // namespace

TEST(Language, FirstReadWritesEnglishAndRoundTrips)
{
    wxRemoveFile(GetLanguageFilePath());
    EXPECT_EQ(ReadLanguage(), 58);
    EXPECT_EQ(ReadTextFile(LanguageFile()), "58");

    for (int code : {46, 47, 89, 58, 80, 110, 112, 0}) {
        WriteLanguage(code);
        EXPECT_EQ(ReadLanguage(), code);
    }
    WriteLanguage(89);
    EXPECT_EQ(ReadTextFile(LanguageFile()), "89");
}

TEST(Language, UnreadableContentGivesDefaultWithoutRewriting)
{
    const struct { const char* content; int code; } cases[] = {
        {"abc", 0}, {"", 0}, {"89xyz", 89}, {" 89", 0}, {"1101234567", 11012345},
    };
    for (const auto& c : cases) {
        WriteTextFile(LanguageFile(), c.content);
        EXPECT_EQ(ReadLanguage(), c.code) << c.content;
        EXPECT_EQ(ReadTextFile(LanguageFile()), c.content);
    }
}

TEST(Language, SevenLanguagesInMenuOrder)
{
    ASSERT_EQ(GetLanguageEntryCount(), 7);
    const int expected[] = {46, 47, 89, 58, 80, 110, 112};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(GetLanguageEntries()[i].code, expected[i]);
    EXPECT_EQ(ToToolkitLanguage(89), wxLANGUAGE_GERMAN);
    EXPECT_EQ(ToToolkitLanguage(12345), wxLANGUAGE_DEFAULT);
    EXPECT_FALSE(IsOfferedLanguage(0));
}

TEST(Language, BuiltCataloguesAreFoundForEveryLanguage)
{
    const wxString source = "Application have crashed due to some unknown reasons,\n"
                            "Please email the zip crashing report file that is generated in \n%s\n to us.";
    const struct { int code; const char* start; } cases[] = {
        {89, "Die Anwendung"}, {80, "L'application"}, {110, "L'applicazione"},
        {112, "\xe4\xb8\x8d\xe6\x98\x8e"}, {46, "\xe5\xba\x94\xe7\x94\xa8"}, {47, "\xe6\x87\x89\xe7\x94\xa8"},
    };
    for (const auto& c : cases) {
        InstallLocale(c.code);
        EXPECT_TRUE(wxGetTranslation(source).StartsWith(wxString::FromUTF8(c.start))) << c.code;
    }
    InstallLocale(58);
    EXPECT_EQ(wxGetTranslation(source), source);
}

// The toolkit's own texts (the buttons of message boxes and file dialogs)
// come from its catalogue, which the language loads beside ours.
TEST(Language, ToolkitTextsAreTranslated)
{
    const struct { int code; const char* cancel; } cases[] = {
        {kLanguageGerman, "Abbrechen"}, {kLanguageFrench, "Annuler"}, {kLanguageItalian, "Annulla"},
    };
    for (const auto& c : cases) {
        InstallLocale(c.code);
        EXPECT_EQ(wxGetTranslation("Cancel"), wxString::FromUTF8(c.cancel)) << c.code;
    }
    InstallLocale(kLanguageEnglish);
    EXPECT_EQ(wxGetTranslation("Cancel"), "Cancel");
}
