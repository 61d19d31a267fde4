#pragma once
// The HTML export of contacts, messages, notes or bookmarks: one page per
// export, the picked records as a table merged into the installed template.
// It runs in a TaskThread and has no stop point: a stop waits until the page
// is written.

#include <memory>

class HtmlExportRequest;

// The whole export on the calling thread: leaves percent 50 and the kind's
// word for the progress dialog, writes <destination>/<file word>.html (no
// page when there are no rows to export), frees the request, then sets
// exportStopFlag, wakes a waiting stop and queues EVT_EXPORT_FINISHED.
// Returns false when the page should have been written and was not (the
// template cannot be read, the page cannot be written, an unknown kind); the
// completion event then carries kExportFailed.
bool ExportHtmlPage(std::unique_ptr<HtmlExportRequest> request);

// TaskThread entry function of LaunchHtmlExport: argument is an
// HtmlExportRequest it takes over.
void DoExportHtml(void* argument);

// Starts an HTML export: percent 50 and "Exporting..." for the dialog,
// exportStopFlag cleared, a TaskThread running DoExportHtml with the request.
// When the thread cannot run, the request is freed, the export ends at once
// with kExportFailed and false is returned.
bool LaunchHtmlExport(std::unique_ptr<HtmlExportRequest> request);
