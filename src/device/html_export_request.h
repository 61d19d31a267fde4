#pragma once
// One HTML export: which records of a view go into the page, of which kind,
// and where the page is written. Built by the export command and freed by the
// export routine; the records themselves and their vector stay the command's.

#include <vector>

#include <wx/string.h>

class ExportProgressSink;

enum HtmlExportKind {
    kHtmlContacts = 0,     // records are HandoverContact
    kHtmlMessages = 1,     // HandoverConversation
    kHtmlNotes = 2,        // HandoverNote
    kHtmlBookmarks = 3,    // HandoverBookmark
};

class HtmlExportRequest {
public:
    virtual ~HtmlExportRequest() = default;

    // Where progress is left and the completion event goes; not owned, may be null.
    ExportProgressSink* progressDialog = nullptr;
    // The view's records in row order, all of the kind below; not owned.
    const std::vector<const void*>* records = nullptr;
    wxString destination;  // folder, forward slashes
    int kind = kHtmlContacts;
    // Positions in records to export, in order.
    std::vector<unsigned> rowIndexes;
};
