// The naming rules of the file export and its progress callback.
#include <unistd.h>

#include <devicekit/devicekit.h>
#include <gtest/gtest.h>

#include "app/language.h"
#include "device/export_catalog_info.h"
#include "device/export_progress_state.h"
#include "device/file_export.h"
#include "device/sync_objects.h"
#include "support/temp_home.h"

namespace {

struct ExtensionCase {
    const char* devicePath;
    const char* extension;
};

TEST(ExportNames, ExtensionComesFromTheFileNamePartOnly)
{
    const ExtensionCase cases[] = {
        {"/x/Song.mp3", ".mp3"},
        {"/x/archive.tar.gz", ".gz"},
        {"/x/NoExtension", ""},
        {"/Books.folder/x", ""},
        {"\\Books.folder\\x", ""},
        {"C:\\Music.dir\\Track.m4a", ".m4a"},
        {"/x/.hidden", ".hidden"},
        {"/x/odd.a:b", ".a_b"},
        {"", ""},
    };
    for (const ExtensionCase& c : cases)
        EXPECT_EQ(ExportExtension(wxString::FromUTF8(c.devicePath)), wxString::FromUTF8(c.extension))
            << c.devicePath;
}

struct StemCase {
    const char* name;
    const char* devicePath;
    const char* stem;
};

TEST(ExportNames, StemIsAValidSingleName)
{
    const StemCase cases[] = {
        {"Song", "/x/Song.mp3", "Song"},
        {"a/b:c", "/x/Song.mp3", "a_b_c"},
        {"..\\..\\etc", "/x/f", ".._.._etc"},
        {"", "/x/IMG_0001.JPG", "IMG_0001"},
        {"", "/x/.mp3", "_"},
        {".", "/x/a", "_"},
        {"..", "/x/a", "__"},
        {"日本語の歌", "/x/a.mp3", "日本語の歌"},
    };
    for (const StemCase& c : cases)
        EXPECT_EQ(ExportFileStem(wxString::FromUTF8(c.name), wxString::FromUTF8(c.devicePath)),
                  wxString::FromUTF8(c.stem))
            << c.name;
}

TEST(ExportNames, LongNamesAreCutOnACharacterBoundary)
{
    wxString name;
    for (int i = 0; i < 100; ++i)
        name += wxString::FromUTF8("歌");  // three bytes each
    const wxString stem = ExportFileStem(name, "/x/a.mp3");
    EXPECT_EQ(stem.length(), 66u);
    EXPECT_LE(stem.utf8_string().size(), 200u);
    EXPECT_TRUE(name.StartsWith(stem));
}

TEST(ExportNames, FreeTargetSkipsFilesFoldersAndLinks)
{
    const std::string folder = MakeTempFolder("free-target");
    const wxString base = wxString::FromUTF8(folder) + "/Song";
    EXPECT_EQ(FreeExportTarget(base, ".mp3"), base + ".mp3");

    WriteTextFile(folder + "/Song.mp3", "a");
    WriteTextFile(folder + "/Song(1).mp3/inside", "a");          // a folder
    ASSERT_EQ(symlink("/nonexistent", (folder + "/Song(2).mp3").c_str()), 0);  // a dangling link
    EXPECT_EQ(FreeExportTarget(base, ".mp3"), base + "(3).mp3");
    EXPECT_EQ(FreeExportTarget(base, ""), base);
}

struct CallbackCase {
    int itemTotal;
    int currentItem;
    const char* name;
    std::uint64_t total;
    std::uint64_t done;
    bool stopped;
    int result;
    const char* text;  // null: text and percent left alone
    int percent;
};

TEST(ExportProgressCallback, LeavesTextAndPercentOrAbandons)
{
    InstallLocale(58);
    const CallbackCase cases[] = {
        {3, 2, "Song", 1000, 250, false, 0, "Exporting 2 of 3 items: Song", 25},
        {1, 1, "Solo", 3, 2, false, 0, "Exporting 1 of 1 item: Solo", 66},
        {2, 2, "a<b", 10, 10, false, 0, "Exporting 2 of 2 items: a<b", 100},
        {2, 1, "Big", 1ull << 63, 1ull << 62, false, 0, "Exporting 1 of 2 items: Big", 50},
        {2, 1, "Empty", 0, 0, false, 0, nullptr, 0},
        {2, 1, "Stopped", 100, 10, true, POD_COPY_ABANDONED, nullptr, 0},
    };
    for (const CallbackCase& c : cases) {
        ExportProgressState progress;
        progress.SetPercent(-1);
        ExportCatalogInfo request;
        request.itemTotal = c.itemTotal;
        request.currentItem = c.currentItem;
        request.currentName = c.name;
        request.progressDialog = &progress;
        currentExportRequest.store(&request);
        exportStopFlag.store(c.stopped);

        EXPECT_EQ(DoExportFileCallback(c.total, c.done), c.result) << c.name;
        EXPECT_EQ(progress.GetText(), c.text ? c.text : "") << c.name;
        EXPECT_EQ(progress.GetPercent(), c.text ? c.percent : -1) << c.name;
    }
    currentExportRequest.store(nullptr);
    exportStopFlag.store(true);
}

TEST(ExportProgressCallback, TranslatesTheProgressText)
{
    InstallLocale(kLanguageGerman);
    ExportProgressState progress;
    ExportCatalogInfo request;
    request.itemTotal = 3;
    request.currentItem = 2;
    request.currentName = "Song";
    request.progressDialog = &progress;
    currentExportRequest.store(&request);
    exportStopFlag.store(false);
    DoExportFileCallback(4, 1);
    EXPECT_EQ(progress.GetText(), "Exportiere 2 von 3 Elementen: Song");
    currentExportRequest.store(nullptr);
    exportStopFlag.store(true);
    InstallLocale(kLanguageEnglish);
}

} // namespace
