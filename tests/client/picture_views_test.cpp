// The picture views of the main window with their thumbnail loaders on the
// demo devices: the thumbnails arrive, choosing another device or closing the
// window ends the loaders, an empty device is done at once, and the top-left
// item on screen is found when the view is scrolled. With
// HANDOVER_SCREENSHOTS naming a folder, the camera roll is saved there.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/imaglist.h>
#include <wx/treectrl.h>

#include "app/language.h"
#include "app/product_paths.h"
#include "common/image_util.h"
#include "device/detection.h"
#include "device/device_table.h"
#include "device/picture_loader_thread.h"
#include "support/gui_test.h"
#include "support/temp_home.h"
#include "window/client/client.h"
#include "window/client/device_content_view.h"
#include "window/client/left_pane.h"
#include "window/client/picture_icon_view.h"
#include "window/client/right_pane.h"
#include "window/message_box.h"
#include "window/transfer_frame.h"

namespace {

const std::string kDemo = HANDOVER_STAGE_DIR "/demo-devices/";
constexpr int kCameraRollCategory = 9;

bool SameImage(const wxImage& a, const wxImage& b)
{
    return a.GetSize() == b.GetSize() &&
           std::memcmp(a.GetData(), b.GetData(), static_cast<size_t>(a.GetWidth()) * a.GetHeight() * 3) == 0;
}

wxImage ShownImage(PictureIconView* view, long item)
{
    return view->GetImageList(wxIMAGE_LIST_NORMAL)->GetBitmap(view->Record(item)->imageIndex).ConvertToImage();
}

bool HasThumbnailName(const wxString& path)
{
    const wxString extension = path.AfterLast('.').Lower();
    return extension == "jpg" || extension == "png";
}

class PictureViewsTest : public testing::Test {
protected:
    void SetUp() override
    {
        WriteLanguage(kLanguageEnglish);
        boxes = std::make_unique<ScopedMessageBoxHandler>(
            [](const wxString&, const wxString&, long, wxWindow*) { return wxOK; });
    }

    void TearDown() override
    {
        if (frame != nullptr)
            CloseFrame();
        EXPECT_TRUE(WaitFor([] { return RunningPictureLoaders() == 0; }));
        unsetenv("HANDOVER_DEVICES");
    }

    // The main window over the given device folders, after its first detection.
    void Start(const std::vector<std::string>& folders)
    {
        std::string list;
        for (const std::string& folder : folders)
            list += (list.empty() ? "" : ":") + folder;
        setenv("HANDOVER_DEVICES", list.c_str(), 1);
        frame = new TransferFrame(GetMainWindowTitle());
        leftPane = frame->GetClient()->GetLeftPane();
        content = frame->GetClient()->GetRightPane()->GetDeviceContentView();
        frame->Show();
        ASSERT_TRUE(WaitForShown(frame));
        ASSERT_TRUE(WaitFor([this] { return DetectionDone(); }));
    }

    bool DetectionDone() const
    {
        return frame->IsDetectionStarted() && leftPane->GetRefreshButton()->IsEnabled();
    }

    void CloseFrame()
    {
        EXPECT_TRUE(WaitFor([this] { return DetectionDone(); }));
        frame->Destroy();
        EXPECT_TRUE(WaitFor([this] { return wxTopLevelWindows.Find(frame) == nullptr; }));
        frame = nullptr;
    }

    void PickDevice(int index)
    {
        wxComboBox* selector = leftPane->GetDeviceSelector();
        selector->SetSelection(index);
        wxCommandEvent picked(wxEVT_COMBOBOX, selector->GetId());
        picked.SetEventObject(selector);
        picked.SetInt(index);
        selector->GetEventHandler()->ProcessEvent(picked);
    }

    bool AllThumbnailsDone() const
    {
        return content->GetCameraRollIconView()->LoadOrder().AllLoaded() &&
               content->GetPhotoIconView()->LoadOrder().AllLoaded() && RunningPictureLoaders() == 0;
    }

    // Every picture with a thumbnail shows it; the others keep the placeholder.
    void ExpectThumbnails(PictureIconView* view)
    {
        const wxImage placeholder = ShownPlaceholder();
        for (long item = 0; item < view->GetItemCount(); ++item) {
            const PictureIconViewData* record = view->Record(item);
            ASSERT_NE(record, nullptr);
            EXPECT_TRUE(record->loaded) << item;
            const wxImage shown = ShownImage(view, item);
            EXPECT_EQ(shown.GetSize(), wxSize(100, 100));
            EXPECT_EQ(!SameImage(shown, placeholder), HasThumbnailName(record->path)) << record->path;
        }
    }

    static wxImage ShownPlaceholder()
    {
        wxImage placeholder = GetThemeBitmap("image/client/picture-view/unload_picture.png").ConvertToImage();
        return placeholder.GetSize() == wxSize(100, 100) ? placeholder : placeholder.Rescale(100, 100);
    }

    std::unique_ptr<ScopedMessageBoxHandler> boxes;
    TransferFrame* frame = nullptr;
    LeftPane* leftPane = nullptr;
    DeviceContentView* content = nullptr;
};

} // namespace

TEST_F(PictureViewsTest, CameraRollFillsWithThumbnails)
{
    testing::internal::CaptureStdout();
    Start({kDemo + "iphone"});
    leftPane->GetNavigationTree()->SelectItem(leftPane->GetCategoryNode(kCameraRollCategory));
    PictureIconView* cameraRoll = content->GetCameraRollIconView();
    EXPECT_TRUE(cameraRoll->IsShownOnScreen());
    ASSERT_TRUE(WaitFor([this] { return AllThumbnailsDone(); }));
    const std::string out = testing::internal::GetCapturedStdout();

    EXPECT_NE(out.find("......camera roll image list count: 62\n"), std::string::npos) << out;
    EXPECT_NE(out.find("......photo image list count: 30\n"), std::string::npos) << out;
    ASSERT_EQ(cameraRoll->GetItemCount(), 62);
    ExpectThumbnails(cameraRoll);
    ExpectThumbnails(content->GetPhotoIconView());
    SaveScreenshot(frame, "camera-roll-thumbnails");
}

TEST_F(PictureViewsTest, ChoosingAnotherDeviceRestartsTheLoaders)
{
    Start({kDemo + "iphone", kDemo + "ipad"});
    // The iPad, then straight back to the iPhone: the iPad's loaders are
    // overtaken with their requests still waiting, and their answers change
    // nothing in the iPhone's views.
    PickDevice(1);
    PickDevice(0);
    ASSERT_TRUE(WaitFor([this] { return AllThumbnailsDone(); }));
    ASSERT_EQ(content->GetCameraRollIconView()->GetItemCount(), 62);
    EXPECT_EQ(content->GetCameraRollIconView()->LoadOrder().LoadedCount(), 62u);
    ExpectThumbnails(content->GetCameraRollIconView());

    PickDevice(1);
    ASSERT_TRUE(WaitFor([this] { return AllThumbnailsDone(); }));
    EXPECT_EQ(content->GetCameraRollIconView()->GetItemCount(), 20);
    ExpectThumbnails(content->GetCameraRollIconView());
}

TEST_F(PictureViewsTest, EmptyDeviceIsDoneAtOnce)
{
    // A folder device with nothing in it: no pictures at all.
    const std::string empty = MakeTempFolder("empty-device");
    testing::internal::CaptureStdout();
    Start({empty});
    ASSERT_TRUE(WaitFor([] { return RunningPictureLoaders() == 0; }));
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("......camera roll image list count: 0\n"), std::string::npos) << out;
    EXPECT_NE(out.find("......photo image list count: 0\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("ExportFile begin"), std::string::npos);
    EXPECT_EQ(content->GetCameraRollIconView()->GetItemCount(), 0);
}

TEST_F(PictureViewsTest, ClosingTheWindowEndsRunningLoaders)
{
    Start({kDemo + "iphone"});
    // The loaders need the window's answers for every picture, so they are
    // still at work right after the detection.
    ASSERT_GT(RunningPictureLoaders(), 0);
    // Gone with the window, so nothing of theirs outlives it.
    CloseFrame();
    EXPECT_EQ(RunningPictureLoaders(), 0);
}

TEST(PictureIconViewTest, FindsTheTopLeftItemWhenScrolled)
{
    setenv("HANDOVER_DEVICES", (kDemo + "iphone").c_str(), 1);
    RunDetection(nullptr);
    plist_t cameraRoll = nullptr;
    {
        wxMutexLocker lock(deviceTable.deviceTableMutex);
        cameraRoll = deviceTable.slots[0].cameraRoll;
    }
    TestFrame frame(wxSize(380, 300));
    auto* view = new PictureIconView(frame.Parent(), wxID_ANY);
    view->SetSize(frame.Parent()->GetClientSize());
    view->LoadPictureIcons(cameraRoll);
    ASSERT_TRUE(frame.ShowAndWait());
    ASSERT_EQ(view->GetItemCount(), 62);
    ASSERT_TRUE(WaitFor([view] { return view->FirstVisibleItem() == 0; }));

    wxRect firstRect;
    ASSERT_TRUE(view->GetItemRect(0, firstRect));
    for (long target : {61L, 30L, 45L}) {
        SCOPED_TRACE(target);
        view->EnsureVisible(target);
        PumpPendingEvents();
        const long top = view->FirstVisibleItem();
        ASSERT_GT(top, 0);
        wxRect rect;
        ASSERT_TRUE(view->GetItemRect(top, rect));
        // The top-left item on screen: (at least partly) in the visible area,
        // at the top of its column or the left of its row, and the item
        // before it wholly outside.
        EXPECT_TRUE(rect.GetRight() >= 0 && rect.GetBottom() >= 0);
        EXPECT_TRUE(rect.x < view->GetClientSize().x && rect.y < view->GetClientSize().y);
        EXPECT_TRUE(rect.x == firstRect.x || rect.y == firstRect.y);
        wxRect before;
        ASSERT_TRUE(view->GetItemRect(top - 1, before));
        EXPECT_TRUE(before.GetRight() < 0 || before.GetBottom() < 0);
        // What the toolkit finds under the visible part of its picture agrees.
        wxRect icon;
        ASSERT_TRUE(view->GetItemRect(top, icon, wxLIST_RECT_ICON));
        icon.Intersect(wxRect(view->GetClientSize()));
        if (!icon.IsEmpty()) {
            int flags = 0;
            EXPECT_EQ(view->HitTest(wxPoint(icon.x + icon.width / 2, icon.y + icon.height / 2), flags), top);
        }
    }
    unsetenv("HANDOVER_DEVICES");
}
