#include <gtest/gtest.h>
#include <wx/datetime.h>

#include "app/language.h"
#include "app/crash_report.h"

TEST(CrashReport, MessagePutsTheFolderOnItsOwnLine)
{
    InstallLocale(58);
    const wxString message = BuildCrashMessage("/tmp/report-1");
    EXPECT_EQ(message,
              "Application have crashed due to some unknown reasons,\n"
              "Please email the zip crashing report file that is generated in \n"
              "/tmp/report-1\n to us.");
}

TEST(CrashReport, TranslatedMessageStillNamesTheFolder)
{
    InstallLocale(89);
    const wxString message = BuildCrashMessage("/tmp/r%s");
    EXPECT_TRUE(message.StartsWith("Die Anwendung"));
    EXPECT_NE(message.Find("\n/tmp/r%s\n"), wxNOT_FOUND);
    InstallLocale(58);
}

TEST(CrashReport, TimestampIsNineteenCharactersWithoutLineEnd)
{
    const wxDateTime moment(7, wxDateTime::Mar, 2026, 9, 5, 3);
    const wxString stamp = FormatReportTimestamp(moment);
    EXPECT_EQ(stamp, "2026-03-07 09:05:03");
    EXPECT_EQ(stamp.length(), 19u);
}
