// Benchmark, not a timed test: the content view over the large synthetic
// device's 50,000 songs. Runs only when HANDOVER_LARGE_DEVICE names that
// device's folder (make -C build demo-device-large writes it into
// build/demo-device-large/large-iphone); prints the figures and fails only
// when the list is not filled.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>
#include <wx/dataview.h>
#include <wx/thread.h>
#include <wx/timer.h>

#include "content/content_kind.h"
#include "device/detection.h"
#include "device/device_table.h"
#include "support/gui_test.h"
#include "window/client/content_list_ctrl.h"
#include "window/client/device_content_view.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The longest gap between the ticks of a 10 ms timer while the event loop
// runs for the given time: how long the loop was kept from its events.
double LongestStall(int runMs)
{
    wxTimer timer;
    Clock::time_point last = Clock::now();
    double longest = 0;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        longest = std::max(longest, MillisecondsSince(last));
        last = Clock::now();
    });
    timer.Start(10);
    const Clock::time_point start = Clock::now();
    WaitFor([&] { return MillisecondsSince(start) > runMs; }, runMs + 60000);
    timer.Stop();
    return std::max(longest, MillisecondsSince(last));
}

} // namespace

TEST(ContentViewBenchmark, FiftyThousandSongs)
{
    const char* folder = std::getenv("HANDOVER_LARGE_DEVICE");
    if (folder == nullptr)
        GTEST_SKIP() << "HANDOVER_LARGE_DEVICE is not set";
    setenv("HANDOVER_DEVICES", folder, 1);
    RunDetection(nullptr);
    plist_t music = nullptr;
    {
        wxMutexLocker lock(deviceTable.deviceTableMutex);
        ASSERT_GT(deviceTable.deviceCount, 0);
        music = deviceTable.slots[0].music;
    }

    TestFrame frame(wxSize(900, 600));
    auto* view = new DeviceContentView(nullptr, frame.Parent(), wxPoint(0, 0), wxSize(900, 600));
    ASSERT_TRUE(frame.ShowAndWait());

    Clock::time_point start = Clock::now();
    view->LoadMediaRows(kKindMusic, music);
    view->SwitchView(DeviceContentView::kMediaPanel);
    frame->Update();
    PumpPendingEvents();
    const double shownMs = MillisecondsSince(start);
    const size_t rows = view->GetMediaList()->Model().ShownCount();
    const double stallMs = LongestStall(2000);

    start = Clock::now();
    view->Search("b");
    view->GetMediaList()->Update();
    const double searchMs = MillisecondsSince(start);
    const size_t found = view->GetMediaList()->Model().ShownCount();
    const double searchStallMs = LongestStall(1000);

    start = Clock::now();
    view->ApplyMediaFilter(view->GetGenreList(), 1);
    view->GetMediaList()->Update();
    const double filterMs = MillisecondsSince(start);
    const double filterStallMs = LongestStall(1000);

    std::printf("content view, %zu songs: shown in %.0f ms, longest stall after %.0f ms\n", rows, shownMs, stallMs);
    std::printf("search \"b\" (%zu rows) %.0f ms, stall after %.0f ms; genre filter %.0f ms, stall after %.0f ms\n",
                found, searchMs, searchStallMs, filterMs, filterStallMs);
    EXPECT_GE(rows, 50000u);
}
