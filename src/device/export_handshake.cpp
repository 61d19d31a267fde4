#include "device/export_handshake.h"

#include <pthread.h>

#include <wx/stopwatch.h>

#include "device/export_progress_sink.h"
#include "device/sync_objects.h"
#include "device/thread_events.h"

namespace {

// Guarded by exportDoneMutex. The stop waits on this rather than on the flag,
// which the stop itself sets.
bool exportWorkerRunning = false;

// Never destroyed: a worker may still be ending while the process exits.
struct WorkerCount {
    wxMutex mutex;
    wxCondition allEnded{mutex};
    int live = 0;  // guarded by mutex
};

WorkerCount& Workers()
{
    static WorkerCount* workers = new WorkerCount;
    return *workers;
}

void WorkerEnded()
{
    WorkerCount& workers = Workers();
    wxMutexLocker lock(workers.mutex);
    --workers.live;
    workers.allEnded.Broadcast();
}

// A worker's thread-specific value: the system calls OnWorkerThreadEnd when
// the thread ends, after the toolkit's own clean-up. The first call sets the
// value again, so the count drops only in the next round of thread-specific
// clean-up, after every library (the packing library's crypto, say) has run
// its own for this thread.
void* const kFirstRound = reinterpret_cast<void*>(1);
void* const kSecondRound = reinterpret_cast<void*>(2);

struct WorkerKey {
    pthread_key_t key{};
    bool created = false;
};

const WorkerKey& TheWorkerKey();

void OnWorkerThreadEnd(void* value)
{
    if (value == kFirstRound && pthread_setspecific(TheWorkerKey().key, kSecondRound) == 0)
        return;
    WorkerEnded();
}

const WorkerKey& TheWorkerKey()
{
    static const WorkerKey workerKey = [] {
        WorkerKey made;
        made.created = pthread_key_create(&made.key, &OnWorkerThreadEnd) == 0;
        return made;
    }();
    return workerKey;
}

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

void ExportWorkerStarting()
{
    WorkerCount& workers = Workers();
    wxMutexLocker lock(workers.mutex);
    ++workers.live;
}

void ExportWorkerNeverRan()
{
    WorkerEnded();
}

void MarkExportWorkerThread()
{
    const WorkerKey& workerKey = TheWorkerKey();
    if (!workerKey.created || pthread_setspecific(workerKey.key, kFirstRound) != 0)
        WorkerEnded();  // its end cannot be seen: count it as ended now
}

bool WaitForExportWorkersToEnd(int timeoutMilliseconds)
{
    WorkerCount& workers = Workers();
    const wxStopWatch watch;
    wxMutexLocker lock(workers.mutex);
    while (workers.live > 0) {
        const long left = timeoutMilliseconds - watch.Time();
        if (left <= 0)
            return false;
        workers.allEnded.WaitTimeout(static_cast<unsigned long>(left));
    }
    return true;
}
