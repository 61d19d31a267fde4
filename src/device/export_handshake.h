#pragma once
// The start, end and stop of an export (file or HTML), all in one place.
// exportStopFlag reads "set" whenever no export runs; exportDoneMutex guards
// its writes and whether a worker is still running, and exportDoneCondition
// wakes a stop that waits for the worker to end.

class ExportProgressSink;

// How an export ended, carried as the int of EVT_EXPORT_FINISHED.
enum ExportOutcome {
    kExportCompleted = 0,
    kExportFailed = 1,  // the worker could not run, or the HTML page could not be written
};

// Before a worker starts: clears exportStopFlag and marks a worker as running.
void BeginExport();

// Last steps of a worker: sets exportStopFlag, wakes a waiting stop, then
// queues EVT_EXPORT_FINISHED (id 0, int = outcome) to the sink's receiver.
// Nothing is queued without a sink or receiver.
void FinishExport(ExportProgressSink* sink, ExportOutcome outcome);

// Asks the running export to stop and waits until its worker has finished.
// Returns at once when no export runs (the flag is already set). The worker
// never waits for the user-interface thread, so blocking it here is safe.
void StopRunningExport();

// True between BeginExport and FinishExport.
bool IsExportRunning();

// Export worker threads are detached, and the toolkit still works on a thread
// for a moment after its entry has returned. Whoever tears the toolkit down
// (the program at exit, a test at its end) first waits here until every
// worker thread has ended completely.
//   ExportWorkerStarting: before a worker thread is run.
//   ExportWorkerNeverRan: the thread could not be run after all.
//   MarkExportWorkerThread: first thing on the worker thread; the thread
//     counts as ended once the toolkit and every library have cleaned up
//     after it.
// WaitForExportWorkersToEnd returns false if some are still there after
// timeoutMilliseconds.
void ExportWorkerStarting();
void ExportWorkerNeverRan();
void MarkExportWorkerThread();
bool WaitForExportWorkersToEnd(int timeoutMilliseconds);
