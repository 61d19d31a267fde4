#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/event.h>
#include <wx/filefn.h>
#include <wx/time.h>
#include <wx/utils.h>

#include "app/language.h"
#include "app/product_paths.h"
#include "device/detection.h"
#include "device/device_table.h"
#include "device/do_detect_device.h"
#include "device/sync_objects.h"
#include "device/thread_events.h"
#include "fake_device_service.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace {

// The detection thread, noting its kernel thread id: a detached thread has
// ended completely only when the kernel no longer lists that id.
struct WatchedDetection : DoDetectDevice {
    using DoDetectDevice::DoDetectDevice;

    static std::atomic<pid_t>& ThreadId()
    {
        static std::atomic<pid_t> id{0};
        return id;
    }
    static bool HasLeftTheProcess()
    {
        const pid_t id = ThreadId();
        return id != 0 && !fs::exists("/proc/self/task/" + std::to_string(id));
    }

protected:
    ExitCode Entry() override
    {
        ThreadId() = gettid();
        return DoDetectDevice::Entry();
    }
};

// Records what the detection queues, in arrival order.
class EventRecorder : public wxEvtHandler {
public:
    struct Entry {
        bool done;
        int percent;
        std::string text;
    };
    std::vector<Entry> entries;

    EventRecorder()
    {
        Bind(EVT_DETECT_PROGRESS, [this](wxCommandEvent& e) {
            entries.push_back({false, e.GetInt(), e.GetString().utf8_string()});
        });
        Bind(wxEVT_THREAD, [this](wxThreadEvent& e) {
            if (e.GetId() == ID_DETECT_DONE)
                entries.push_back({true, 0, e.GetString().utf8_string()});
        });
    }
    int DoneCount() const
    {
        int n = 0;
        for (const Entry& e : entries)
            n += e.done ? 1 : 0;
        return n;
    }
    // Delivers what the worker queued, as the event loop would.
    void DeliverQueued() { wxApp::GetInstance()->ProcessPendingEvents(); }
    const Entry* Done() const
    {
        for (const Entry& e : entries)
            if (e.done)
                return &e;
        return nullptr;
    }
};

class DetectionTest : public testing::Test {
protected:
    FakeDeviceWorld* world = nullptr;
    EventRecorder recorder;

    void SetUp() override
    {
        InstallLocale(58);
        world = &InstallFakeDeviceServices();
        SetDetectDoneReceiver(&recorder);
    }
    void TearDown() override
    {
        // Leave the table empty for the next test.
        world->devices.clear();
        RunDetection(nullptr);
        SetDetectDoneReceiver(nullptr);
        UninstallFakeDeviceServices();
    }
    void Detect()
    {
        recorder.entries.clear();
        RunDetection(&recorder);
        recorder.DeliverQueued();
    }
    bool SlotInUse(int i)
    {
        wxMutexLocker lock(deviceTable.deviceTableMutex);
        return deviceTable.slots[i].inUse;
    }
};

} // namespace

TEST_F(DetectionTest, SixteenProgressStepsThenOneCompletion)
{
    world->devices.push_back({"dev1", "iPhone", "Phone"});
    Detect();

    const int percents[] = {6, 12, 18, 25, 31, 37, 43, 50, 56, 62, 68, 75, 81, 87, 93, 100};
    const char* texts[] = {"Init Device", "Music", "Movies", "TV Shows", "Podcast", "Audiobooks",
                           "Books", "Ringtones", "Playlists", "Voice Memos", "Camera Roll", "Photos",
                           "Contact", "Message", "Note", "Bookmark"};
    ASSERT_EQ(recorder.entries.size(), 17u);
    for (int i = 0; i < 16; ++i) {
        EXPECT_FALSE(recorder.entries[i].done);
        EXPECT_EQ(recorder.entries[i].percent, percents[i]);
        EXPECT_EQ(recorder.entries[i].text, std::string("Phone (") + texts[i] + ")");
    }
    EXPECT_TRUE(recorder.entries[16].done);
    EXPECT_EQ(recorder.entries[16].text, "");

    wxMutexLocker lock(deviceTable.deviceTableMutex);
    EXPECT_EQ(deviceTable.deviceCount, 1);
    const DeviceSlot& slot = deviceTable.slots[0];
    EXPECT_TRUE(slot.inUse);
    EXPECT_EQ(slot.deviceName, "Phone");
    for (plist_t list : {slot.deviceInfo, slot.music, slot.movies, slot.tvShows, slot.podcasts, slot.audiobooks,
                         slot.books, slot.ringtones, slot.playlists, slot.voiceMemos, slot.cameraRoll, slot.photos})
        EXPECT_NE(list, nullptr);
}

TEST_F(DetectionTest, ProgressTextsAreTranslated)
{
    world->devices.push_back({"dev1", "iPhone", ""});
    InstallLocale(89);
    Detect();
    InstallLocale(58);
    ASSERT_GE(recorder.entries.size(), 2u);
    EXPECT_EQ(recorder.entries[1].text, "Unbekanntes Ger\xc3\xa4t (Musik)");
}

TEST_F(DetectionTest, FirstFailureTextIsReportedAndOtherDevicesStillLoad)
{
    world->devices.push_back({"locked", "iPhone", "Locked", POD_INIT_LOCKED});
    world->devices.push_back({"good", "iPad", "Tablet"});
    world->devices.push_back({"gone", "iPad", "Gone", POD_INIT_NO_DEVICE});
    Detect();

    ASSERT_NE(recorder.Done(), nullptr);
    EXPECT_EQ(recorder.Done()->text, "Device is protected by passcode,unlock it first.");
    EXPECT_FALSE(SlotInUse(0));
    EXPECT_TRUE(SlotInUse(1));
    EXPECT_FALSE(SlotInUse(2));
    EXPECT_EQ(recorder.entries.size(), 17u);  // progress only for the good device
    EXPECT_EQ(recorder.entries[0].text, "Tablet (Init Device)");
}

TEST_F(DetectionTest, InitialisationResultsGiveTheirTexts)
{
    const struct { int result; const char* text; } cases[] = {
        {POD_INIT_NO_DEVICE, "No device detected, try to connect it."},
        {POD_INIT_LOCKED, "Device is protected by passcode,unlock it first."},
        {7, "Device connect failed."},
        {-1, "Device connect failed."},
    };
    for (const auto& c : cases) {
        world->devices = {{"d", "iPhone", "P", c.result}};
        Detect();
        ASSERT_NE(recorder.Done(), nullptr);
        EXPECT_EQ(recorder.Done()->text, c.text) << c.result;
        EXPECT_FALSE(SlotInUse(0));
    }
}

TEST_F(DetectionTest, PathDeviceGetsNoWorkingFolderAndNoInitialize)
{
    world->devices.push_back({"folderdev", "path", "Folder"});
    Detect();
    EXPECT_TRUE(world->initFolders.empty());
    EXPECT_FALSE(wxDirExists(GetUserFilesDir() + "/folderdev"));
    EXPECT_TRUE(SlotInUse(0));
}

TEST_F(DetectionTest, SecondDetectionClosesReopensAndRecreatesTheWorkingFolder)
{
    world->devices.push_back({"dev1", "iPhone", "Phone"});
    Detect();
    const wxString folder = GetUserFilesDir() + "/dev1/database";
    ASSERT_EQ(world->initFolders.size(), 1u);
    EXPECT_EQ(wxString::FromUTF8(world->initFolders[0]), folder);
    ASSERT_TRUE(wxDirExists(folder));
    WriteTextFile((folder + "/stale.db").utf8_string(), "old");

    Detect();
    EXPECT_EQ(world->closed, std::vector<std::string>{"dev1"});
    EXPECT_EQ(world->opened.size(), 2u);
    EXPECT_EQ(world->initFolders.size(), 2u);
    EXPECT_TRUE(wxDirExists(folder));
    EXPECT_FALSE(wxFileExists(folder + "/stale.db"));
}

TEST_F(DetectionTest, ContactsSortByteWiseWithNamelessFirst)
{
    world->devices.push_back({"dev1", "iPhone", "Phone", POD_INIT_READY, false, {"b", "A", nullptr, "a", "\xc3\x89mile"}});
    Detect();
    wxMutexLocker lock(deviceTable.deviceTableMutex);
    const DeviceSlot& slot = deviceTable.slots[0];
    EXPECT_EQ(slot.contactCount, 5);
    ASSERT_EQ(slot.sortedContacts.size(), 5u);
    EXPECT_EQ(slot.sortedContacts[0]->name, nullptr);
    EXPECT_STREQ(slot.sortedContacts[1]->name, "A");
    EXPECT_STREQ(slot.sortedContacts[2]->name, "a");
    EXPECT_STREQ(slot.sortedContacts[3]->name, "b");
    EXPECT_STREQ(slot.sortedContacts[4]->name, "\xc3\x89mile");
    EXPECT_STREQ(slot.contacts->name, "b");  // the list itself keeps its order
}

TEST_F(DetectionTest, HostileIdsNeverTouchFoldersOutsideTheirOwn)
{
    const wxString userFiles = GetUserFilesDir();
    const std::string parent = (userFiles + "/..").utf8_string();
    WriteTextFile(parent + "/sentinel.txt", "keep");
    WriteTextFile(userFiles.utf8_string() + "/keep.txt", "keep");

    for (const char* id : {"", ".", "..", "../x", "a/b", "/etc", "x:y", "a\\b", "tab\there"}) {
        world->devices = {{id, "iPhone", "Evil"}};
        Detect();
        ASSERT_NE(recorder.Done(), nullptr) << id;
        EXPECT_EQ(recorder.Done()->text, "Device connect failed.") << id;
        EXPECT_FALSE(SlotInUse(0)) << id;
        EXPECT_TRUE(world->initFolders.empty()) << id;
    }
    EXPECT_EQ(ReadTextFile(parent + "/sentinel.txt"), "keep");
    EXPECT_EQ(ReadTextFile(userFiles.utf8_string() + "/keep.txt"), "keep");
    EXPECT_FALSE(wxDirExists(userFiles + "/database"));
    EXPECT_FALSE(fs::exists(parent + "/x"));
}

TEST_F(DetectionTest, OnlyTheFirstTenDevicesAreUsed)
{
    for (int i = 0; i < 11; ++i)
        world->devices.push_back({"dev" + std::to_string(i), "path", "D" + std::to_string(i)});
    testing::internal::CaptureStdout();
    Detect();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("......Device ignored, all slots in use: dev10\n"), std::string::npos);
    EXPECT_EQ(world->opened.size(), 10u);
    wxMutexLocker lock(deviceTable.deviceTableMutex);
    EXPECT_EQ(deviceTable.deviceCount, 10);
    EXPECT_TRUE(deviceTable.slots[9].inUse);
}

TEST_F(DetectionTest, NoDevicesOrNoListEndsQuietly)
{
    for (bool listIsNull : {false, true}) {
        world->listIsNull = listIsNull;
        Detect();
        ASSERT_EQ(recorder.entries.size(), 1u);
        EXPECT_TRUE(recorder.entries[0].done);
        EXPECT_EQ(recorder.entries[0].text, "");
        wxMutexLocker lock(deviceTable.deviceTableMutex);
        EXPECT_EQ(deviceTable.deviceCount, 0);
    }
}

TEST_F(DetectionTest, UnopenableDeviceFailsWithoutCrashing)
{
    world->devices.push_back({"ghost", "iPhone", "Ghost", POD_INIT_READY, true});
    world->devices.push_back({"dev1", "iPhone", "Phone"});
    Detect();
    ASSERT_NE(recorder.Done(), nullptr);
    EXPECT_EQ(recorder.Done()->text, "Device connect failed.");
    EXPECT_FALSE(SlotInUse(0));
    EXPECT_TRUE(SlotInUse(1));
}

TEST_F(DetectionTest, TraceLinesWordForWord)
{
    world->devices.push_back({"dev1", "iPhone", "Phone"});
    testing::internal::CaptureStdout();
    Detect();
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string expected = "Entry DoDetectDevice::Entry()\n"
                                 "id_str: dev1\n"
                                 "type_str: iPhone\n"
                                 "......Init dir: " + (GetUserFilesDir() + "/dev1/database").utf8_string() + "\n"
                                 "Leave DoDetectDevice::Entry()\n";
    EXPECT_EQ(out, expected);
}

TEST_F(DetectionTest, RaisesLoaderGenerationsBeforeLoading)
{
    const int cameraRoll = CurrentCameraRollGeneration();
    const int photo = CurrentPhotoGeneration();
    recorder.entries.clear();
    RunDetection(nullptr);
    EXPECT_EQ(CurrentCameraRollGeneration(), cameraRoll + 1);
    EXPECT_EQ(CurrentPhotoGeneration(), photo + 1);
}

TEST_F(DetectionTest, DetachedThreadReportsThroughQueuedEvents)
{
    world->devices.push_back({"dev1", "iPhone", "Phone"});
    // The detached thread may still be inside wxQueueEvent when its last event
    // is seen here, so its receiver lives as long as the process, as the
    // navigation pane does in the program.
    static EventRecorder* const threadRecorder = new EventRecorder;
    SetDetectDoneReceiver(threadRecorder);
    // The thread deletes itself after its last event, and the toolkit's
    // thread code still runs after that. The test waits until the thread has
    // left the process: this test's process ends right afterwards, and the
    // toolkit must not be torn down while the thread is still inside it.
    auto* thread = new WatchedDetection(threadRecorder);
    ASSERT_EQ(thread->Run(), wxTHREAD_NO_ERROR);

    const wxLongLong deadline = wxGetLocalTimeMillis() + 30000;
    while ((threadRecorder->DoneCount() == 0 || !WatchedDetection::HasLeftTheProcess()) &&
           wxGetLocalTimeMillis() < deadline) {
        threadRecorder->DeliverQueued();
        wxMilliSleep(2);
    }
    EXPECT_TRUE(WatchedDetection::HasLeftTheProcess());
    ASSERT_EQ(threadRecorder->DoneCount(), 1);
    EXPECT_EQ(threadRecorder->entries.size(), 17u);
    wxMutexLocker lock(deviceTable.deviceTableMutex);
    EXPECT_TRUE(deviceTable.slots[0].inUse);
}
