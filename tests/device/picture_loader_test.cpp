// The thumbnail loaders against a stand-in for the navigation pane that runs
// on the test's own thread: the handshakes, the order of the pictures, the
// generation checks, the pause on nothingToLoad, and the thumbnails made from
// the demo iPhone's pictures.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/event.h>
#include <wx/image.h>
#include <wx/utils.h>

#include "app/product_paths.h"
#include "content/picture_load_order.h"
#include "content/picture_rows.h"
#include "device/detection.h"
#include "device/device_table.h"
#include "device/do_load_camera_roll_picture.h"
#include "device/do_load_photo_picture.h"
#include "device/load_picture_info.h"
#include "device/picture_handshake.h"
#include "device/picture_loader.h"
#include "device/sync_objects.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// One picture as the stand-in pane saw it delivered.
struct Delivered {
    int item;
    bool bitmapReady;
    wxSize size;
};

// Answers one kind's events the way the navigation pane does, from a
// PictureLoadOrder over a list of device paths.
class FakePicturePane : public wxEvtHandler {
public:
    FakePicturePane(const PictureLoaderKind& kind, std::vector<wxString> paths)
        : kind_(kind), paths_(std::move(paths))
    {
        order.Reset(paths_.size());
        Bind(wxEVT_THREAD, &FakePicturePane::OnNext, this, kind.requestEventId);
        Bind(wxEVT_THREAD, &FakePicturePane::OnLoaded, this, kind.deliveryEventId);
        SetPictureLoaderReceiver(this);
    }
    ~FakePicturePane() override
    {
        SetPictureLoaderReceiver(nullptr);
        // Their loaders were woken and have gone; the records they point at too.
        DeletePendingEvents();
    }

    // Starts the kind's loader with the current generation.
    void StartLoader()
    {
        PictureLoaderThread* loader = nullptr;
        if (&kind_ == &CameraRollLoaderKind())
            loader = new DoLoadCameraRollPicture(kind_.CurrentGeneration());
        else
            loader = new DoLoadPhotoPicture(kind_.CurrentGeneration());
        ASSERT_EQ(loader->Run(), wxTHREAD_NO_ERROR);
    }

    // Handles the loaders' events until the condition holds; false on timeout.
    bool PumpUntil(const std::function<bool()>& condition, int timeoutMs = 20000)
    {
        const Clock::time_point end = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!condition()) {
            if (Clock::now() > end)
                return false;
            // Through the application: a handler's own ProcessPendingEvents
            // must not be called without pending events.
            wxApp::GetInstance()->ProcessPendingEvents();
            wxMilliSleep(1);
        }
        return true;
    }

    bool PumpUntilLoadersEnd() { return PumpUntil([] { return RunningPictureLoaders() == 0; }); }

    // Waits, without handling anything, until a loader has queued an event.
    bool WaitForQueuedEvent(int timeoutMs = 20000) const
    {
        const Clock::time_point end = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (queued_ == 0) {
            if (Clock::now() > end)
                return false;
            wxMilliSleep(1);
        }
        return true;
    }

    // Called on the loader's thread.
    void QueueEvent(wxEvent* event) override
    {
        ++queued_;
        wxEvtHandler::QueueEvent(event);
    }

    PictureLoadOrder order;
    long firstVisible = -1;
    bool shown = false;
    bool answerNothingToLoad = false;
    int requests = 0;
    std::vector<Delivered> delivered;

private:
    void OnNext(wxThreadEvent& event)
    {
        ++requests;
        AnswerPictureRequest(kind_, *event.GetPayload<LoadPictureInfo*>(), [this]() -> PictureAnswer {
            if (answerNothingToLoad)
                return {{PictureChoice::kNothingToLoad, -1}, wxString()};
            const PictureChoice choice = order.Choose(firstVisible, shown);
            return {choice, choice.kind == PictureChoice::kItem ? paths_[choice.index] : wxString()};
        });
    }

    void OnLoaded(wxThreadEvent& event)
    {
        AcceptPictureDelivery(kind_, *event.GetPayload<LoadPictureInfo*>(), [this](const LoadPictureInfo& info) {
            order.MarkLoaded(info.itemIndex);
            delivered.push_back({info.itemIndex, info.bitmapReady,
                                 info.thumbnail ? info.thumbnail->GetSize() : wxSize()});
        });
    }

    const PictureLoaderKind& kind_;
    std::vector<wxString> paths_;
    std::atomic<int> queued_{0};
};

const char kDemoIPhone[] = HANDOVER_STAGE_DIR "/demo-devices/iphone";

void AddImageHandlers()
{
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
        wxImage::AddHandler(new wxPNGHandler);
    if (wxImage::FindHandler(wxBITMAP_TYPE_JPEG) == nullptr)
        wxImage::AddHandler(new wxJPEGHandler);
}

// The demo iPhone, detected and chosen; its id.
wxString DetectDemoIPhone()
{
    AddImageHandlers();
    setenv("HANDOVER_DEVICES", kDemoIPhone, 1);
    RunDetection(nullptr);
    wxMutexLocker lock(deviceTable.deviceTableMutex);
    deviceTable.currentIndex = 0;
    return deviceTable.deviceCount > 0 ? deviceTable.slots[0].deviceId : wxString();
}

std::vector<wxString> DemoPaths(bool cameraRoll)
{
    std::vector<wxString> paths;
    wxMutexLocker lock(deviceTable.deviceTableMutex);
    const DeviceSlot& slot = deviceTable.slots[0];
    for (const PictureIconViewData& icon : BuildPictureIcons(cameraRoll ? slot.cameraRoll : slot.photos))
        paths.push_back(icon.path);
    return paths;
}

size_t CountOf(const std::string& text, const std::string& line)
{
    size_t count = 0;
    for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
        ++count;
    return count;
}

class PictureLoaderTest : public testing::Test {
protected:
    void SetUp() override
    {
        deviceId = DetectDemoIPhone();
        ASSERT_FALSE(deviceId.empty());
    }
    void TearDown() override
    {
        // No loader of this test may outlive it.
        RaiseLoaderGenerations();
        EXPECT_EQ(RunningPictureLoaders(), 0);
        unsetenv("HANDOVER_DEVICES");
    }

    wxString deviceId;
};

} // namespace

TEST_F(PictureLoaderTest, LoadsEveryPictureOfBothKinds)
{
    struct Case {
        bool cameraRoll;
        const char* cacheFolder;
        bool entryTrace;
    };
    for (const Case& kind : {Case{true, "camera-roll", false}, Case{false, "photo", true}}) {
        SCOPED_TRACE(kind.cacheFolder);
        const std::vector<wxString> paths = DemoPaths(kind.cameraRoll);
        ASSERT_FALSE(paths.empty());
        testing::internal::CaptureStdout();
        FakePicturePane pane(kind.cameraRoll ? CameraRollLoaderKind() : PhotoLoaderKind(), paths);
        pane.StartLoader();
        ASSERT_TRUE(pane.PumpUntilLoadersEnd());
        const std::string out = testing::internal::GetCapturedStdout();

        // Each picture once, in item order (no view on screen), then allLoaded.
        ASSERT_EQ(pane.delivered.size(), paths.size());
        EXPECT_EQ(pane.requests, static_cast<int>(paths.size()) + 1);
        EXPECT_TRUE(pane.order.AllLoaded());
        for (size_t i = 0; i < paths.size(); ++i) {
            const Delivered& item = pane.delivered[i];
            EXPECT_EQ(item.item, static_cast<int>(i));
            // The extension decides, in any case: .JPG and .PNG decode;
            // .HEIC and .MOV are done without a thumbnail.
            const wxString extension = paths[i].AfterLast('.').Lower();
            const bool picture = extension == "jpg" || extension == "png";
            EXPECT_EQ(item.bitmapReady, picture) << paths[i];
            if (picture) {
                EXPECT_EQ(item.size, wxSize(100, 100)) << paths[i];
            }
            // Cached under the last part of the device path.
            EXPECT_TRUE(fs::is_regular_file(fs::u8path(
                (GetUserFilesDir() + "/" + deviceId + "/" + kind.cacheFolder + "/" + paths[i].AfterLast('/'))
                    .utf8_string())))
                << paths[i];
        }
        EXPECT_EQ(CountOf(out, "ExportFile begin\n"), paths.size());
        EXPECT_EQ(CountOf(out, "ExportFile end\n"), paths.size());
        EXPECT_EQ(CountOf(out, "Entry DoLoadPhotoPicture::Entry()\n"), kind.entryTrace ? 1u : 0u);
    }
}

TEST_F(PictureLoaderTest, ShownViewFillsFromItsTopLeftItemFirst)
{
    const std::vector<wxString> paths = DemoPaths(true);
    ASSERT_GT(paths.size(), 40u);
    FakePicturePane pane(CameraRollLoaderKind(), paths);
    pane.shown = true;
    pane.firstVisible = 40;
    pane.StartLoader();
    ASSERT_TRUE(pane.PumpUntilLoadersEnd());

    std::vector<int> order;
    for (const Delivered& item : pane.delivered)
        order.push_back(item.item);
    std::vector<int> expected;
    for (size_t i = 40; i < paths.size(); ++i)
        expected.push_back(static_cast<int>(i));
    for (int i = 0; i < 40; ++i)
        expected.push_back(i);
    EXPECT_EQ(order, expected);
}

TEST_F(PictureLoaderTest, EmptyListIsAllLoadedAtOnce)
{
    FakePicturePane pane(CameraRollLoaderKind(), {});
    pane.StartLoader();
    ASSERT_TRUE(pane.PumpUntilLoadersEnd());
    EXPECT_EQ(pane.requests, 1);
    EXPECT_TRUE(pane.delivered.empty());
}

TEST_F(PictureLoaderTest, OvertakenWhileWaitingEndsWithoutDelivery)
{
    FakePicturePane pane(CameraRollLoaderKind(), DemoPaths(true));
    pane.StartLoader();
    // The loader waits for the answer to its first request...
    ASSERT_TRUE(pane.WaitForQueuedEvent());
    // ...when another device is chosen.
    RaiseLoaderGenerations();
    ASSERT_TRUE(pane.PumpUntilLoadersEnd());
    EXPECT_EQ(pane.requests, 1);
    EXPECT_TRUE(pane.delivered.empty());
    EXPECT_EQ(pane.order.LoadedCount(), 0u);
}

TEST_F(PictureLoaderTest, NothingToLoadRestsInsteadOfAsking)
{
    FakePicturePane pane(PhotoLoaderKind(), DemoPaths(false));
    pane.answerNothingToLoad = true;
    pane.StartLoader();
    const Clock::time_point start = Clock::now();
    pane.PumpUntil([&] { return Clock::now() - start > std::chrono::seconds(1); }, 5000);
    // About five requests a second; a loader that polled would ask thousands of times.
    EXPECT_GE(pane.requests, 2);
    EXPECT_LE(pane.requests, 12);
    EXPECT_TRUE(pane.delivered.empty());

    // It still applies the generation test.
    RaiseLoaderGenerations();
    EXPECT_TRUE(pane.PumpUntilLoadersEnd());
}

TEST_F(PictureLoaderTest, ReceiverGoneWakesTheWaitingLoader)
{
    {
        FakePicturePane pane(CameraRollLoaderKind(), DemoPaths(true));
        pane.StartLoader();
        ASSERT_TRUE(pane.WaitForQueuedEvent());
        // The pane goes with its unanswered event.
    }
    const Clock::time_point end = Clock::now() + std::chrono::seconds(20);
    while (RunningPictureLoaders() > 0 && Clock::now() < end)
        wxMilliSleep(1);
    EXPECT_EQ(RunningPictureLoaders(), 0);
}

TEST_F(PictureLoaderTest, StaleAnswersChangeNothing)
{
    const PictureLoaderKind& kind = CameraRollLoaderKind();
    LoadPictureInfo info;
    info.generation = kind.CurrentGeneration() - 1;
    info.itemIndex = 7;
    bool chosen = false;
    AnswerPictureRequest(kind, info, [&]() -> PictureAnswer {
        chosen = true;
        return {{PictureChoice::kItem, 3}, "/DCIM/x.JPG"};
    });
    EXPECT_FALSE(chosen);
    EXPECT_TRUE(info.answered);
    EXPECT_FALSE(info.allLoaded || info.nothingToLoad);
    EXPECT_EQ(info.itemIndex, 7);

    info.answered = false;
    bool applied = false;
    EXPECT_FALSE(AcceptPictureDelivery(kind, info, [&](const LoadPictureInfo&) { applied = true; }));
    EXPECT_FALSE(applied);
    EXPECT_TRUE(info.answered);

    // The current generation is answered for real.
    info.generation = kind.CurrentGeneration();
    AnswerPictureRequest(kind, info, [] { return PictureAnswer{{PictureChoice::kItem, 3}, "/DCIM/x.JPG"}; });
    EXPECT_EQ(info.itemIndex, 3);
    EXPECT_EQ(info.devicePath, "/DCIM/x.JPG");
    EXPECT_TRUE(AcceptPictureDelivery(kind, info, [&](const LoadPictureInfo&) { applied = true; }));
    EXPECT_TRUE(applied);
}
