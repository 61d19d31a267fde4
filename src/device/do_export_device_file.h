#pragma once
// The file export thread: a detached worker that owns its ExportCatalogInfo,
// exports the items, and at its end sets exportStopFlag, wakes a waiting stop
// and queues EVT_EXPORT_FINISHED. The request is deleted with the thread.

#include <memory>

#include <wx/thread.h>

#include "device/export_catalog_info.h"

class DoExportDeviceFile : public wxThread {
public:
    explicit DoExportDeviceFile(std::unique_ptr<ExportCatalogInfo> request);
    ~DoExportDeviceFile() override;

protected:
    ExitCode Entry() override;

private:
    std::unique_ptr<ExportCatalogInfo> request_;
};

// Starts a file export: clears exportStopFlag, creates the thread with the
// request, makes it currentExportRequest and runs it. When the thread cannot
// run, the export ends at once as if it had run without exporting anything
// (flag set, completion event queued) and false is returned.
bool LaunchFileExport(std::unique_ptr<ExportCatalogInfo> request);
