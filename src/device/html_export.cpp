#include "device/html_export.h"

#include <wx/intl.h>

#include "app/product_paths.h"
#include "app/text_format.h"
#include "device/export_handshake.h"
#include "device/export_progress_sink.h"
#include "device/html_export_request.h"
#include "device/html_table_rows.h"
#include "device/html_template_merge.h"
#include "device/task_thread.h"

namespace {

struct KindWords {
    wxString fileWord;   // names the page
    wxString titleWord;  // the page's title and the progress text
};

bool WordsOfKind(int kind, KindWords& words)
{
    switch (kind) {
    case kHtmlContacts:
        words = {_("Contacts"), _("Contacts")};
        return true;
    case kHtmlMessages:
        words = {_("Messages"), _("Messages")};
        return true;
    case kHtmlNotes:
        words = {_("Notes"), _("Note")};
        return true;
    case kHtmlBookmarks:
        words = {_("Safari"), _("Safari")};
        return true;
    default:
        return false;
    }
}

bool WritePage(const HtmlExportRequest& request, const KindWords& words)
{
    if (request.rowIndexes.empty())
        return true;
    wxString fileName = words.fileWord + ".html";
    MakeValidFileName(fileName);
    return MergeHtmlTemplate(EscapeHtml(words.titleWord), GetInstallDir() + "/template.html",
                             request.destination + "/" + fileName, BuildHtmlRows(request));
}

} // namespace

bool ExportHtmlPage(std::unique_ptr<HtmlExportRequest> request)
{
    ExportProgressSink* sink = request ? request->progressDialog : nullptr;
    KindWords words;
    bool written = false;
    if (request && WordsOfKind(request->kind, words)) {
        if (sink != nullptr) {
            sink->SetPercent(50);
            sink->SetText(words.titleWord);
        }
        written = WritePage(*request, words);
    }
    request.reset();
    FinishExport(sink, written ? kExportCompleted : kExportFailed);
    return written;
}

void DoExportHtml(void* argument)
{
    MarkExportWorkerThread();
    ExportHtmlPage(std::unique_ptr<HtmlExportRequest>(static_cast<HtmlExportRequest*>(argument)));
}

bool LaunchHtmlExport(std::unique_ptr<HtmlExportRequest> request)
{
    if (!request)
        return false;
    ExportProgressSink* sink = request->progressDialog;
    if (sink != nullptr) {
        sink->SetPercent(50);
        sink->SetText(_("Exporting..."));
    }
    BeginExport();
    ExportWorkerStarting();
    auto* thread = new TaskThread(request.get(), &DoExportHtml, nullptr);
    if (thread->Run() == wxTHREAD_NO_ERROR) {
        request.release();  // DoExportHtml frees it
        return true;
    }
    delete thread;
    ExportWorkerNeverRan();
    request.reset();
    FinishExport(sink, kExportFailed);
    return false;
}
