#pragma once
// The plain progress sink: keeps the last percent and text a worker left, for
// whoever shows them (the export progress dialog embeds one; tests use it as
// it stands). The percent is atomic, the text is copied under a mutex in both
// directions, so a reader never sees a text that is being replaced.

#include <atomic>
#include <wx/thread.h>

#include "device/export_progress_sink.h"

class ExportProgressState : public ExportProgressSink {
public:
    // receiver gets EVT_EXPORT_FINISHED; it is not owned and may be null.
    explicit ExportProgressState(wxEvtHandler* receiver = nullptr);

    void SetPercent(int percent) override;
    void SetText(const wxString& text) override;
    wxEvtHandler* GetFinishedReceiver() override;

    int GetPercent() const;
    wxString GetText() const;

private:
    std::atomic<int> percent_{0};
    mutable wxMutex textMutex_;
    wxString text_;  // guarded by textMutex_
    wxEvtHandler* receiver_;
};
