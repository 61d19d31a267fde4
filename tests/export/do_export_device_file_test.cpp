// File exports run on the export thread from folder devices: names, folders,
// the completion event and stopping.
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

#include "app/language.h"
#include "device/do_export_device_file.h"
#include "device/export_handshake.h"
#include "device/export_progress_state.h"
#include "device/sync_objects.h"
#include "export_fixture.h"
#include "support/temp_home.h"

namespace {

const std::string kBigBytes(4 * 1024 * 1024, 'b');

class FileExportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        device = new TestFolderDevice("file-export-device");
        device->AddFile("/x/Song.mp3", "song bytes");
        device->AddFile("/x/NoExtension", "plain bytes");
        device->AddFile("/Books.folder/x", "dotted folder");
        device->AddFile("/Books/x.epub/mimetype", "application/epub+zip");
        device->AddFile("/Books/x.epub/META-INF/container.xml", "<container/>");
        device->AddFile("/big/Big.bin", kBigBytes);
    }
    static void TearDownTestSuite()
    {
        delete device;
        device = nullptr;
    }

    void SetUp() override
    {
        InstallLocale(kLanguageEnglish);
        DetectDevices(device->root);
        destination = MakeTempFolder("file-export-to");
    }

    std::unique_ptr<ExportCatalogInfo> Request(std::initializer_list<std::pair<const char*, const char*>> items,
                                               ExportProgressSink* sink)
    {
        auto request = std::make_unique<ExportCatalogInfo>();
        request->destination = wxString::FromUTF8(destination);
        request->progressDialog = sink;
        for (const auto& item : items)
            request->AddItem(wxString::FromUTF8(item.first), wxString::FromUTF8(item.second));
        return request;
    }

    void Export(std::initializer_list<std::pair<const char*, const char*>> items)
    {
        ASSERT_TRUE(LaunchFileExport(Request(items, &progress)));
        ASSERT_TRUE(finished.WaitForFinished());
        EXPECT_EQ(finished.lastOutcome, kExportCompleted);
        EXPECT_TRUE(exportStopFlag.load());
    }

    std::string Read(const std::string& name) const { return ReadTextFile(destination + "/" + name); }

    static TestFolderDevice* device;
    std::string destination;
    FinishedRecorder finished;
    ExportProgressState progress{&finished};
};

TestFolderDevice* FileExportTest::device = nullptr;

TEST_F(FileExportTest, CollidingNamesTakeTheNextFreeNumber)
{
    WriteTextFile(destination + "/Song.mp3", "mine");
    WriteTextFile(destination + "/Song(1).mp3", "mine too");
    Export({{"/x/Song.mp3", "Song"}, {"/x/Song.mp3", "Song"}});

    EXPECT_EQ(FolderEntries(destination),
              (std::set<std::string>{"Song.mp3", "Song(1).mp3", "Song(2).mp3", "Song(3).mp3"}));
    EXPECT_EQ(Read("Song.mp3"), "mine");
    EXPECT_EQ(Read("Song(1).mp3"), "mine too");
    EXPECT_EQ(Read("Song(2).mp3"), "song bytes");
    EXPECT_EQ(Read("Song(3).mp3"), "song bytes");
    EXPECT_EQ(progress.GetText(), "Exporting 2 of 2 items: Song");
    EXPECT_EQ(progress.GetPercent(), 100);
}

TEST_F(FileExportTest, NamesAreMadeValidAndTakeTheDeviceFileExtension)
{
    Export({{"/x/Song.mp3", "a/b:c"},
            {"/x/NoExtension", "Plain"},
            {"/Books.folder/x", "Dotted folder"},
            {"/x/Song.mp3", ".."},
            {"/x/NoExtension", ".."},
            {"/x/Song.mp3", ""}});

    EXPECT_EQ(FolderEntries(destination),
              (std::set<std::string>{"a_b_c.mp3", "Plain", "Dotted folder", "__.mp3", "__", "Song.mp3"}));
    EXPECT_EQ(Read("a_b_c.mp3"), "song bytes");
    EXPECT_EQ(Read("Plain"), "plain bytes");
    EXPECT_EQ(Read("Dotted folder"), "dotted folder");
}

TEST_F(FileExportTest, FolderItemIsPackedOverAnOldFileAndItsCopyRemoved)
{
    WriteTextFile(destination + "/Tale.epub", "an old export");
    // A folder of the user's that happens to carry the copy's name stays untouched.
    WriteTextFile(destination + "/Tale.epub.dir/keep.txt", "user data");
    Export({{"/Books/x.epub", "Tale"}});

    EXPECT_EQ(FolderEntries(destination), (std::set<std::string>{"Tale.epub", "Tale.epub.dir"}));
    EXPECT_EQ(FolderEntries(destination + "/Tale.epub.dir"), (std::set<std::string>{"keep.txt"}));
    const std::string packed = Read("Tale.epub");
    ASSERT_GT(packed.size(), 58u);
    EXPECT_EQ(packed.substr(0, 4), "PK\x03\x04");
    EXPECT_EQ(packed.substr(30, 28), "mimetypeapplication/epub+zip");  // first entry, stored
}

TEST_F(FileExportTest, MissingDeviceFilesAreSkipped)
{
    Export({{"/x/Gone.mp3", "Gone"}, {"/../outside.mp3", "Outside"}, {"/x/Song.mp3", "Song"}});
    EXPECT_EQ(FolderEntries(destination), (std::set<std::string>{"Song.mp3"}));
}

TEST_F(FileExportTest, EmptyItemListFinishesAtOnce)
{
    Export({});
    EXPECT_TRUE(FolderEntries(destination).empty());
    EXPECT_EQ(finished.finished, 1);
}

TEST(ExportStop, ReturnsAtOnceWhenNothingRuns)
{
    ASSERT_TRUE(exportStopFlag.load());
    StopRunningExport();
    EXPECT_TRUE(exportStopFlag.load());
    EXPECT_FALSE(IsExportRunning());
}

// Holds the worker inside its first progress call until a stop was asked for.
class PausingProgress : public ExportProgressState {
public:
    using ExportProgressState::ExportProgressState;

    void SetPercent(int percent) override
    {
        ExportProgressState::SetPercent(percent);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (reached_)
                return;
            reached_ = true;
        }
        reachedCondition_.notify_all();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (!exportStopFlag.load() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    bool WaitUntilReached()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        return reachedCondition_.wait_for(lock, std::chrono::minutes(1), [this] { return reached_; });
    }

private:
    std::mutex mutex_;
    std::condition_variable reachedCondition_;
    bool reached_ = false;
};

TEST_F(FileExportTest, StopInsideACopyLeavesNoFileAndStillFinishes)
{
    PausingProgress pausing(&finished);
    ASSERT_TRUE(LaunchFileExport(Request({{"/big/Big.bin", "Big"}, {"/x/Song.mp3", "Song"}}, &pausing)));
    ASSERT_TRUE(pausing.WaitUntilReached());
    EXPECT_EQ(pausing.GetText(), "Exporting 1 of 2 items: Big");

    StopRunningExport();
    EXPECT_FALSE(IsExportRunning());
    ASSERT_TRUE(finished.WaitForFinished());
    EXPECT_TRUE(FolderEntries(destination).empty());  // no partial Big.bin, no temporary, no Song.mp3

    // The next stop finds the flag set and returns at once.
    StopRunningExport();
}

TEST(DemoFileExport, MusicPicturesAndAPackedBookLandInTheFolder)
{
    InstallLocale(kLanguageEnglish);
    DetectDevices(DemoDevicePath("iphone"));
    const std::string destination = MakeTempFolder("demo-export");
    auto request = std::make_unique<ExportCatalogInfo>();
    request->destination = wxString::FromUTF8(destination);
    request->AddItem("/DCIM/100APPLE/IMG_0001.JPG", "IMG_0001");
    request->AddItem("/DCIM/100APPLE/IMG_0004.PNG", "IMG_0004");
    request->AddItem("/Books/Purchases/Alice in Wonderland.epub", wxString::FromUTF8("Alice's Adventures"));
    FinishedRecorder finished;
    ExportProgressState progress(&finished);
    request->progressDialog = &progress;
    ASSERT_TRUE(LaunchFileExport(std::move(request)));
    ASSERT_TRUE(finished.WaitForFinished());

    EXPECT_EQ(FolderEntries(destination),
              (std::set<std::string>{"IMG_0001.JPG", "IMG_0004.PNG", "Alice's Adventures.epub"}));
    const std::string files = DemoDevicePath("iphone") + "/files";
    EXPECT_EQ(ReadTextFile(destination + "/IMG_0001.JPG"), ReadTextFile(files + "/DCIM/100APPLE/IMG_0001.JPG"));
    EXPECT_EQ(ReadTextFile(destination + "/IMG_0004.PNG"), ReadTextFile(files + "/DCIM/100APPLE/IMG_0004.PNG"));
    EXPECT_EQ(ReadTextFile(destination + "/Alice's Adventures.epub").substr(30, 28), "mimetypeapplication/epub+zip");
}

} // namespace
