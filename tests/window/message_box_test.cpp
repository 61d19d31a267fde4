// Message boxes: the buttons carry the toolkit's own labels in the current
// language (GTK would label them in the system's language), and the update
// result asks through ShowMessageBox, which a test can answer.
#include <gtest/gtest.h>
#include <wx/msgdlg.h>

#include "app/language.h"
#include "window/message_box.h"
#include "window/update_result.h"

TEST(MessageBox, ButtonsAreLabelledInTheCurrentLanguage)
{
    // The labels as GTK shows them (mnemonic marked with "_").
    const struct { int code; const char* yes; const char* no; const char* cancel; const char* ok; } cases[] = {
        {kLanguageGerman, "_Ja", "_Nein", "Ab_brechen", "_OK"},
        {kLanguageFrench, "_Oui", "_Non", "_Annuler", "_Accepter"},
        {kLanguageJapanese, "\xe3\x81\xaf\xe3\x81\x84 (_Y)", "\xe3\x81\x84\xe3\x81\x84\xe3\x81\x88 (_N)",
         "\xe3\x82\xad\xe3\x83\xa3\xe3\x83\xb3\xe3\x82\xbb\xe3\x83\xab (_C)", "OK (_O)"},
        {kLanguageChineseSimplified, "\xe6\x98\xaf(_Y)", "\xe5\x90\xa6(_N)", "\xe5\x8f\x96\xe6\xb6\x88(_C)",
         "\xe7\xa1\xae\xe8\xae\xa4(_O)"},
        {kLanguageEnglish, "_Yes", "_No", "_Cancel", "_OK"},
    };
    for (const auto& c : cases) {
        InstallLocale(c.code);
        wxMessageDialog dialog(nullptr, "message", "caption", wxYES_NO | wxCANCEL);
        TranslateButtonLabels(dialog);
        EXPECT_EQ(dialog.GetYesLabel(), wxString::FromUTF8(c.yes)) << c.code;
        EXPECT_EQ(dialog.GetNoLabel(), wxString::FromUTF8(c.no)) << c.code;
        EXPECT_EQ(dialog.GetCancelLabel(), wxString::FromUTF8(c.cancel)) << c.code;
        EXPECT_EQ(dialog.GetOKLabel(), wxString::FromUTF8(c.ok)) << c.code;
    }
}

TEST(MessageBox, UpdateResultAsksThroughShowMessageBox)
{
    InstallLocale(kLanguageEnglish);
    std::vector<long> styles;
    ScopedMessageBoxHandler handler([&](const wxString&, const wxString&, long style, wxWindow*) {
        styles.push_back(style);
        return wxNO;  // no browser is opened
    });
    ShowUpdateResult(nullptr, "99.0");
    ShowUpdateResult(nullptr, "");
    ASSERT_EQ(styles.size(), 2u);
    EXPECT_TRUE(styles[0] & wxYES_NO);
    EXPECT_TRUE(styles[1] & wxOK);
    EXPECT_FALSE(styles[1] & wxYES_NO);
}
