// Thumbnail loading in the main window over the large demo device (20,000
// camera-roll pictures, 20,000 photos). Not a test: run it by hand under an
// X server, or with `make -C build benchmark-pictures` under xvfb-run.
//
//   picture_benchmark <large device folder>
//
// Measures, in one run:
//   - the time until the first screen of the camera roll shows its
//     thumbnails after the device is chosen and Camera Roll selected, and
//     after a jump to the middle of the view;
//   - thumbnails per second of the camera-roll loader alone, beside a plain
//     loop on one thread that copies, decodes and scales the same files;
//   - both loaders together, as the program runs them;
//   - the processor time the program uses in 5 s of idling once all is loaded.
// HOME points at a temporary folder meanwhile (the thumbnail cache goes there).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

#include <devicekit/devicekit.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/evtloop.h>
#include <wx/filesys.h>
#include <wx/fs_arc.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/timer.h>
#include <wx/treectrl.h>

#include "app/face_options.h"
#include "app/product_paths.h"
#include "content/picture_rows.h"
#include "device/device_table.h"
#include "device/picture_loader_thread.h"
#include "device/picture_thumbnail.h"
#include "device/sync_objects.h"
#include "gui_probe/gui_probe.h"
#include "window/client/client.h"
#include "window/client/device_content_view.h"
#include "window/client/left_pane.h"
#include "window/client/picture_icon_view.h"
#include "window/client/right_pane.h"
#include "window/transfer_frame.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kCameraRollCategory = 9;
constexpr int kLongWaitMs = 30 * 60 * 1000;

std::string deviceFolder;
int exitCode = 1;

// The figures go to standard error; standard output (the trace lines) is
// sent to /dev/null, where writing a line a picture costs nothing.
template <typename... Arguments>
void Report(const char* format, Arguments... arguments)
{
    std::fprintf(stderr, format, arguments...);
}

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double ProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The last item that is at least partly on screen (the items before the
// visible area's end form a prefix, as in PictureIconView::FirstVisibleItem).
long LastVisibleItem(PictureIconView* view)
{
    long low = 0;
    long high = view->GetItemCount();
    const wxSize size = view->GetClientSize();
    while (low < high) {
        const long middle = low + (high - low) / 2;
        wxRect rect;
        if (view->GetItemRect(middle, rect) && rect.x < size.x && rect.y < size.y)
            low = middle + 1;
        else
            high = middle;
    }
    return low - 1;
}

bool ScreenFilled(PictureIconView* view)
{
    const long first = view->FirstVisibleItem();
    const long last = LastVisibleItem(view);
    if (first < 0 || last < first)
        return false;
    for (long item = first; item <= last; ++item) {
        if (!view->LoadOrder().IsLoaded(item))
            return false;
    }
    return true;
}

// Runs an event loop of its own, as the program's main loop runs, until the
// condition holds (checked every 2 ms) or the time is up. Pumping events from
// a polling loop instead answers the loaders several times more slowly than
// the program does.
bool RunUntil(const std::function<bool()>& condition, int timeoutMs)
{
    if (condition())
        return true;
    wxGUIEventLoop loop;
    wxTimer poll;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    poll.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        if (condition() || Clock::now() > end)
            loop.Exit();
    });
    poll.Start(2);
    loop.Run();
    return condition();
}

// Lets the event loop run on its own for `ms`, as the idle program does.
void IdleFor(int ms)
{
    wxGUIEventLoop loop;
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&loop](wxTimerEvent&) { loop.Exit(); });
    timer.StartOnce(ms);
    loop.Run();
}

// Copies, decodes and scales the files one after the other on this thread.
double PlainLoop(const std::vector<wxString>& paths, const fs::path& work)
{
    PodDevice* device = nullptr;
    {
        wxMutexLocker lock(deviceTable.deviceTableMutex);
        if (const DeviceSlot* slot = CurrentSlot(deviceTable))
            device = slot->device;
    }
    if (device == nullptr)
        return 0;
    fs::create_directories(work);
    const Clock::time_point start = Clock::now();
    size_t made = 0;
    for (const wxString& path : paths) {
        const wxString local = wxString::FromUTF8((work / ThumbnailCacheName(path).utf8_string()).string());
        std::error_code ignored;
        fs::remove(fs::u8path(local.utf8_string()), ignored);
        device->CopyFileToLocal(device, path.utf8_str(), local.utf8_str(), nullptr);
        wxImage thumbnail;
        made += DecodeThumbnail(local, thumbnail) ? 1 : 0;
    }
    const double seconds = SecondsSince(start);
    if (made != paths.size())
        std::fprintf(stderr, "plain loop: only %zu of %zu thumbnails\n", made, paths.size());
    return paths.size() / seconds;
}

class Benchmark {
public:
    bool Run()
    {
        setenv("HANDOVER_DEVICES", deviceFolder.c_str(), 1);
        frame_ = new TransferFrame(GetMainWindowTitle());
        leftPane_ = frame_->GetClient()->GetLeftPane();
        content_ = frame_->GetClient()->GetRightPane()->GetDeviceContentView();
        frame_->SetSize(1000, 700);
        frame_->Show();
        if (!WaitForShown(frame_) || !WaitFor([this] { return DetectionDone(); }, kLongWaitMs)) {
            std::fprintf(stderr, "the large device was not read\n");
            return false;
        }
        PictureIconView* cameraRoll = content_->GetCameraRollIconView();
        PictureIconView* photos = content_->GetPhotoIconView();
        if (cameraRoll->GetItemCount() == 0) {
            std::fprintf(stderr, "no camera roll on %s (make -C build demo-device-large)\n", deviceFolder.c_str());
            return false;
        }

        // 1. Both loaders as the program runs them, from the device choice on.
        Report("%d camera-roll pictures, %d photos\n", cameraRoll->GetItemCount(), photos->GetItemCount());
        const Clock::time_point loadStart = Clock::now();
        Clock::time_point start = loadStart;
        leftPane_->GetNavigationTree()->SelectItem(leftPane_->GetCategoryNode(kCameraRollCategory));
        RunUntil([cameraRoll] { return ScreenFilled(cameraRoll); }, kLongWaitMs);
        const double firstScreen = SecondsSince(start);
        Report("first screen (items %ld to %ld) filled %.3f s after Camera Roll was selected (goal 1.5 s)\n",
                    cameraRoll->FirstVisibleItem(), LastVisibleItem(cameraRoll), firstScreen);

        const long middle = cameraRoll->GetItemCount() / 2;
        cameraRoll->EnsureVisible(middle);
        start = Clock::now();
        RunUntil([cameraRoll] { return ScreenFilled(cameraRoll); }, kLongWaitMs);
        Report("screen at item %ld filled %.3f s after the jump\n", cameraRoll->FirstVisibleItem(),
                    SecondsSince(start));
        cameraRoll->EnsureVisible(0);

        RunUntil([] { return RunningPictureLoaders() == 0; }, kLongWaitMs);
        const double bothSeconds = SecondsSince(loadStart);
        const size_t both = cameraRoll->LoadOrder().LoadedCount() + photos->LoadOrder().LoadedCount();
        Report("both loaders: %zu thumbnails in %.1f s, %.0f per second\n", both, bothSeconds,
                    both / bothSeconds);

        // 2. Idle once everything is loaded.
        const double cpuBefore = ProcessorSeconds();
        start = Clock::now();
        IdleFor(5000);
        const double idleShare = (ProcessorSeconds() - cpuBefore) / SecondsSince(start) * 100;
        Report("idle: %.2f %% of one processor over 5 s (goal under 1 %%)\n", idleShare);

        // The toolkit's icon view draws all its items on every repaint, which
        // is what a screenful of thumbnails waits for.
        start = Clock::now();
        cameraRoll->Refresh();
        cameraRoll->Update();
        Report("one repaint of the camera-roll view: %.0f ms\n", SecondsSince(start) * 1000);

        // 3. The camera-roll loader alone, beside the plain loop over the same
        // files; the plain loop runs first and last, and the better time counts.
        std::vector<wxString> paths;
        for (long item = 0; item < cameraRoll->GetItemCount(); ++item)
            paths.push_back(cameraRoll->Record(item)->path);
        const fs::path work = fs::temp_directory_path() / ("picture-benchmark-plain-" + std::to_string(getpid()));
        double plain = PlainLoop(paths, work);
        const double loader = CameraRollAlone();
        plain = std::max(plain, PlainLoop(paths, work));
        std::error_code ignored;
        fs::remove_all(work, ignored);
        Report("camera-roll loader alone: %.0f thumbnails per second\n"
                    "plain loop (copy, decode, scale): %.0f per second\n"
                    "ratio %.2fx of the plain loop (goal 0.8x)\n",
                    loader, plain, loader / plain);

        frame_->Destroy();
        WaitFor([] { return RunningPictureLoaders() == 0; });
        return true;
    }

private:
    bool DetectionDone() const
    {
        return frame_->IsDetectionStarted() && leftPane_->GetRefreshButton()->IsEnabled();
    }

    // Chooses the device again (both views refilled, both loaders started)
    // and stops the photo loader at once by overtaking its generation.
    double CameraRollAlone()
    {
        wxComboBox* selector = leftPane_->GetDeviceSelector();
        wxCommandEvent picked(wxEVT_COMBOBOX, selector->GetId());
        picked.SetEventObject(selector);
        picked.SetInt(0);
        const Clock::time_point start = Clock::now();
        selector->GetEventHandler()->ProcessEvent(picked);
        {
            wxMutexLocker lock(photoGenerationMutex);
            ++photoGeneration;
        }
        PictureIconView* cameraRoll = content_->GetCameraRollIconView();
        RunUntil([cameraRoll] { return cameraRoll->LoadOrder().AllLoaded(); }, kLongWaitMs);
        return cameraRoll->GetItemCount() / SecondsSince(start);
    }

    TransferFrame* frame_ = nullptr;
    LeftPane* leftPane_ = nullptr;
    DeviceContentView* content_ = nullptr;
};

class BenchmarkApp : public wxApp {
public:
    bool OnInit() override
    {
        wxFileSystem::AddHandler(new wxArchiveFSHandler);
        wxImage::AddHandler(new wxPNGHandler);
        wxImage::AddHandler(new wxJPEGHandler);
        SetExecutablePath(HANDOVER_STAGE_DIR "/bin/" HANDOVER_PROGRAM_NAME);
        LoadFaceOptions(GetInstallDir() + "/Themes/face.xml");
        wxLog::SetLogLevel(wxLOG_FatalError);
        SetExitOnFrameDelete(false);
        // Started from a timer, not from CallAfter: that runs inside the
        // idle handler, where the loaders' events (handled in idle time too)
        // would wait for the nested loops far longer than in the program.
        start_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
            Benchmark benchmark;
            exitCode = benchmark.Run() ? 0 : 1;
            ExitMainLoop();
        });
        start_.StartOnce(1);
        return true;
    }

private:
    wxTimer start_;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <large device folder>\n", argv[0]);
        return 2;
    }
    deviceFolder = fs::absolute(argv[1]).string();
    std::string home = (fs::temp_directory_path() / "picture-benchmark-XXXXXX").string();
    if (mkdtemp(home.data()) == nullptr)
        return 1;
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    if (std::freopen("/dev/null", "w", stdout) == nullptr)
        return 1;

    wxApp::SetInstance(new BenchmarkApp);
    int fakeArgc = 1;
    wxEntry(fakeArgc, argv);
    std::error_code ignored;
    fs::remove_all(home, ignored);
    return exitCode;
}
