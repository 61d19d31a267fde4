#include "device/do_export_device_file.h"

#include "app/trace.h"
#include "device/export_handshake.h"
#include "device/file_export.h"

DoExportDeviceFile::DoExportDeviceFile(std::unique_ptr<ExportCatalogInfo> request)
    : wxThread(wxTHREAD_DETACHED), request_(std::move(request))
{
}

DoExportDeviceFile::~DoExportDeviceFile()
{
    // The callback must not find a request that is about to be deleted.
    ExportCatalogInfo* mine = request_.get();
    currentExportRequest.compare_exchange_strong(mine, nullptr);
}

wxThread::ExitCode DoExportDeviceFile::Entry()
{
    MarkExportWorkerThread();
    TraceLine("Entry DoExportDeviceFile::Entry()");
    ExportDeviceFiles(*request_);
    FinishExport(request_->progressDialog, kExportCompleted);
    return 0;
}

bool LaunchFileExport(std::unique_ptr<ExportCatalogInfo> request)
{
    if (!request)
        return false;
    ExportProgressSink* sink = request->progressDialog;
    BeginExport();
    ExportWorkerStarting();
    ExportCatalogInfo* running = request.get();
    auto* thread = new DoExportDeviceFile(std::move(request));
    currentExportRequest.store(running);
    if (thread->Run() == wxTHREAD_NO_ERROR)
        return true;
    // A thread that never ran is deleted by its creator, and its request with it.
    delete thread;
    ExportWorkerNeverRan();
    FinishExport(sink, kExportFailed);
    return false;
}
