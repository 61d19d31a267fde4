#include "device/export_handshake.h"

#include "device/export_progress_sink.h"
#include "device/sync_objects.h"
#include "device/thread_events.h"

namespace {

// Guarded by exportDoneMutex. The stop waits on this rather than on the flag,
// which the stop itself sets.
bool exportWorkerRunning = false;

} // namespace

void BeginExport()
{
    wxMutexLocker lock(exportDoneMutex);
    exportStopFlag.store(false);
    exportWorkerRunning = true;
}

void FinishExport(ExportProgressSink* sink, ExportOutcome outcome)
{
    // Asked before the signal: once a stop has returned, the dialog only waits
    // for this event and nothing else of it is touched.
    wxEvtHandler* receiver = sink != nullptr ? sink->GetFinishedReceiver() : nullptr;
    {
        wxMutexLocker lock(exportDoneMutex);
        exportStopFlag.store(true);
        exportWorkerRunning = false;
        exportDoneCondition.Broadcast();
    }
    if (receiver == nullptr)
        return;
    auto* event = new wxCommandEvent(EVT_EXPORT_FINISHED, 0);
    event->SetInt(outcome);
    wxQueueEvent(receiver, event);
}

void StopRunningExport()
{
    wxMutexLocker lock(exportDoneMutex);
    if (exportStopFlag.load())
        return;
    exportStopFlag.store(true);
    while (exportWorkerRunning)
        exportDoneCondition.Wait();
}

bool IsExportRunning()
{
    wxMutexLocker lock(exportDoneMutex);
    return exportWorkerRunning;
}
