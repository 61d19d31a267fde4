// The export progress dialog: the worker's percent and text reach the screen
// on the dialog's timer, and its close box asks the export to stop while the
// dialog itself stays until the completion event.
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "device/export_handshake.h"
#include "device/sync_objects.h"
#include "support/gui_test.h"
#include "window/tw_progress_dialog.h"

TEST(TwProgressDialogTest, CloseBoxStopsTheWorkerAndTheDialogEndsOnItsCompletion)
{
    TestFrame frame;
    ASSERT_TRUE(frame.ShowAndWait());
    TwProgressDialog dialog(frame.Get(), "Export");
    std::thread worker;
    bool stopSeenByWorker = false;
    dialog.SetStarter([&](ExportProgressSink& sink) {
        BeginExport();
        worker = std::thread([&sink, &stopSeenByWorker] {
            sink.SetPercent(40);
            sink.SetText("1/2: Harbour Wall");
            // A copy between its stop points.
            while (!exportStopFlag.load())
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            stopSeenByWorker = true;
            FinishExport(&sink, kExportCompleted);
        });
    });

    int closes = 0;
    dialog.Bind(wxEVT_IDLE, [&](wxIdleEvent& event) {
        event.Skip();
        if (closes == 0 && dialog.GetShownText() == "1/2: Harbour Wall") {
            ++closes;
            EXPECT_EQ(dialog.GetShownPercent(), 40);
            dialog.Close();
        }
    });
    EXPECT_EQ(dialog.ShowModal(), wxID_OK);
    worker.join();
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(dialog.IsStopRequested());
    EXPECT_TRUE(stopSeenByWorker);
    EXPECT_FALSE(IsExportRunning());
}

TEST(TwProgressDialogTest, AnExportThatEndsAtOnceClosesTheDialog)
{
    TestFrame frame;
    ASSERT_TRUE(frame.ShowAndWait());
    TwProgressDialog dialog(frame.Get(), "Export");
    dialog.SetStarter([](ExportProgressSink& sink) {
        BeginExport();
        sink.SetPercent(100);
        FinishExport(&sink, kExportCompleted);
    });
    EXPECT_EQ(dialog.ShowModal(), wxID_OK);
    EXPECT_EQ(dialog.GetShownPercent(), 100);
    EXPECT_FALSE(dialog.IsStopRequested());
}
