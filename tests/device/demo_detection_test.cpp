// A detection over the generated demo devices, through the device library.
#include <cstdlib>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/event.h>
#include <wx/filefn.h>

#include "app/language.h"
#include "app/product_paths.h"
#include "device/detection.h"
#include "device/device_table.h"
#include "device/thread_events.h"

namespace {

unsigned ListNumber(plist_t list)
{
    plist_t number = list ? plist_dict_get_item(list, "number") : nullptr;
    uint64_t value = 0;
    if (number != nullptr)
        plist_get_uint_val(number, &value);
    return static_cast<unsigned>(value);
}

class DoneRecorder : public wxEvtHandler {
public:
    wxString text;
    int count = 0;
    DoneRecorder()
    {
        Bind(wxEVT_THREAD, [this](wxThreadEvent& e) {
            text = e.GetString();
            ++count;
        });
    }
};

} // namespace

TEST(DemoDetection, FillsEveryListAndRecordKind)
{
    InstallLocale(58);
    const std::string demo = HANDOVER_STAGE_DIR "/demo-devices/";
    setenv("HANDOVER_DEVICES", (demo + "iphone:" + demo + "locked-iphone:" + demo + "ipad").c_str(), 1);
    DoneRecorder done;
    SetDetectDoneReceiver(&done);
    RunDetection(nullptr);
    wxApp::GetInstance()->ProcessPendingEvents();
    SetDetectDoneReceiver(nullptr);

    EXPECT_EQ(done.count, 1);
    EXPECT_EQ(done.text, "Device is protected by passcode,unlock it first.");
    {
        wxMutexLocker lock(deviceTable.deviceTableMutex);
        ASSERT_EQ(deviceTable.deviceCount, 3);
        const DeviceSlot& phone = deviceTable.slots[0];
        ASSERT_TRUE(phone.inUse);
        EXPECT_EQ(phone.deviceType, "path");
        EXPECT_FALSE(phone.deviceName.empty());
        EXPECT_EQ(ListNumber(phone.music), 40u);
        EXPECT_EQ(ListNumber(phone.cameraRoll), 62u);
        EXPECT_EQ(ListNumber(phone.photos), 30u);
        for (plist_t list : {phone.deviceInfo, phone.movies, phone.tvShows, phone.podcasts, phone.audiobooks,
                             phone.books, phone.ringtones, phone.playlists, phone.voiceMemos})
            EXPECT_NE(list, nullptr);
        EXPECT_EQ(phone.contactCount, 15);
        EXPECT_EQ(phone.sortedContacts.size(), 15u);
        EXPECT_EQ(phone.messageCount, 5);
        EXPECT_EQ(phone.noteCount, 5);
        EXPECT_EQ(phone.bookmarkCount, 8);
        EXPECT_NE(phone.bookmarks, nullptr);

        const DeviceSlot& locked = deviceTable.slots[1];
        EXPECT_FALSE(locked.inUse);
        EXPECT_TRUE(wxDirExists(GetUserFilesDir() + "/" + locked.deviceId + "/database"));
        EXPECT_TRUE(deviceTable.slots[2].inUse);
    }

    unsetenv("HANDOVER_DEVICES");
    RunDetection(nullptr);
    wxMutexLocker lock(deviceTable.deviceTableMutex);
    EXPECT_EQ(deviceTable.deviceCount, 0);
}
