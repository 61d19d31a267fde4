#pragma once
// What an export worker needs of the progress dialog: a place to leave the
// progress text and percent (read by the dialog's timer on the user-interface
// thread), and the handler that receives EVT_EXPORT_FINISHED.
//
// The worker calls SetPercent and SetText from its own thread, so every
// implementation must make both safe to call from any thread. The worker never
// touches a window: it only queues the completion event to the handler.

#include <wx/string.h>

class wxEvtHandler;

class ExportProgressSink {
public:
    virtual ~ExportProgressSink() = default;

    virtual void SetPercent(int percent) = 0;
    virtual void SetText(const wxString& text) = 0;

    // Where the completion event is queued; null queues nothing.
    virtual wxEvtHandler* GetFinishedReceiver() = 0;
};
