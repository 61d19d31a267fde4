// The device summary and the content lists on the demo iPhone, as the user
// sees them. With HANDOVER_SCREENSHOTS set, each test also saves what the
// window shows there as a PNG.
#include <cstdlib>

#include <gtest/gtest.h>
#include <wx/dataview.h>
#include <wx/filename.h>
#include <wx/thread.h>

#include "common/image_util.h"
#include "content/content_kind.h"
#include "device/detection.h"
#include "device/device_table.h"
#include "support/gui_test.h"
#include "window/client/content_list_ctrl.h"
#include "window/client/device_content_view.h"
#include "window/client/device_info_view.h"
#include "window/client/tw_kind_message_window.h"

namespace {

// The demo iPhone's slot, detected once per test binary.
const DeviceSlot& DemoIPhone()
{
    static const DeviceSlot slot = [] {
        setenv("HANDOVER_DEVICES", HANDOVER_STAGE_DIR "/demo-devices/iphone", 1);
        RunDetection(nullptr);
        wxMutexLocker lock(deviceTable.deviceTableMutex);
        return deviceTable.deviceCount > 0 ? deviceTable.slots[0] : DeviceSlot();
    }();
    return slot;
}

class DemoViewsTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(DemoIPhone().inUse); }

    wxBitmap background = GetThemeBitmap("image/client/client_bg.png");
    TestFrame frame{wxSize(900, 560)};
};

} // namespace

TEST_F(DemoViewsTest, DeviceSummary)
{
    auto* view = new DeviceInfoView(frame.Parent(), wxPoint(0, 0), wxSize(900, 560), background);
    ASSERT_TRUE(frame.ShowAndWait());
    view->ShowDeviceInfo(DemoIPhone().deviceInfo);
    EXPECT_EQ(view->GetPicturePath(), "image/client/device-info/iphone.png");
    EXPECT_NE(view->GetCapacityValue(), "unknown");
    SaveScreenshot(frame.Get(), "device_summary");
}

TEST_F(DemoViewsTest, EveryList)
{
    auto* view = new DeviceContentView(new wxBitmap(background), frame.Parent(), wxPoint(0, 0), wxSize(900, 560));
    ASSERT_TRUE(frame.ShowAndWait());
    const DeviceSlot& slot = DemoIPhone();

    view->LoadMediaRows(kKindMusic, slot.music);
    view->SwitchView(DeviceContentView::kMediaPanel);
    EXPECT_GT(view->GetMediaList()->Model().ShownCount(), 0u);
    SaveScreenshot(frame.Get(), "music");

    view->LoadContactRows(slot.sortedContacts);
    view->SwitchView(DeviceContentView::kContacts);
    EXPECT_EQ(view->GetContactList()->Model().ShownCount(), slot.sortedContacts.size());
    SaveScreenshot(frame.Get(), "contacts");

    view->LoadPictureRows(kKindCameraRoll, slot.cameraRoll);
    view->SwitchView(DeviceContentView::kCameraRollList);
    SaveScreenshot(frame.Get(), "camera_roll_list");
    view->LoadPictureIcons(kKindCameraRoll, slot.cameraRoll);
    view->SwitchView(DeviceContentView::kCameraRollIcons);
    SaveScreenshot(frame.Get(), "camera_roll_icons");

    view->LoadNoteRows(slot.notes);
    view->SwitchView(DeviceContentView::kNotes);
    SaveScreenshot(frame.Get(), "notes");
    view->LoadBookmarkRows(slot.bookmarks);
    view->SwitchView(DeviceContentView::kBookmarks);
    SaveScreenshot(frame.Get(), "bookmarks");
    view->LoadBookRows(kKindBooks, slot.books);
    view->SwitchView(DeviceContentView::kMediaPanel);
    SaveScreenshot(frame.Get(), "books");

    // Messages: the first conversation at once; one selected row shows its own.
    view->LoadConversationRows(slot.messages);
    view->SwitchView(DeviceContentView::kMessagePanel);
    ContentListCtrl* conversations = view->GetMessageList();
    ASSERT_GE(conversations->Model().ShownCount(), 2u);
    TwKindMessageWindow* window = view->GetMessageWindow();
    const size_t firstBubbles = window->GetBubbles().size();
    EXPECT_GT(firstBubbles, 0u);
    SaveScreenshot(frame.Get(), "messages");

    auto* second = static_cast<const HandoverConversation*>(conversations->Model().ShownRow(1).rowRecord);
    conversations->Select(conversations->Model().GetItem(1));
    wxDataViewEvent selected(wxEVT_DATAVIEW_SELECTION_CHANGED, conversations, conversations->Model().GetItem(1));
    conversations->ProcessWindowEvent(selected);
    size_t secondMessages = 0;
    for (const HandoverMessage* message = second->messages; message != nullptr; message = message->next)
        ++secondMessages;
    EXPECT_EQ(window->GetBubbles().size(), secondMessages);

    // Two rows selected: the display keeps what it shows.
    conversations->Select(conversations->Model().GetItem(0));
    wxDataViewEvent both(wxEVT_DATAVIEW_SELECTION_CHANGED, conversations, conversations->Model().GetItem(0));
    conversations->ProcessWindowEvent(both);
    EXPECT_EQ(window->GetBubbles().size(), secondMessages);
}
