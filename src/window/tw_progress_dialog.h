#pragma once
// The captioned dialog in front of the main window while an export runs: a
// text and a gauge that the export worker feeds through the dialog's
// progress state, copied to the screen on the dialog's own timer. It has no
// cancel button: its close box asks the export to stop, and the dialog closes
// only when the worker's completion event arrives, so it never disappears
// while a file is still being written.
//
// Use:
//     TwProgressDialog dialog(frame, _("Export"));
//     dialog.SetStarter([&](ExportProgressSink& sink) { ...start the worker with &sink... });
//     dialog.ShowModal();   // starts the export on its first idle moment
//
// The worker only touches the progress state; never the controls.

#include <functional>

#include <wx/dialog.h>
#include <wx/timer.h>

#include "device/export_progress_state.h"

class wxGauge;
class wxStaticText;

class TwProgressDialog : public wxDialog {
public:
    // Starts the export with the dialog's sink. Whether the worker runs or
    // not, the export queues its completion event to the sink's receiver.
    using Starter = std::function<void(ExportProgressSink& sink)>;

    TwProgressDialog(wxWindow* parent, const wxString& title, const wxPoint& position = wxDefaultPosition,
                     const wxSize& size = wxSize(462, 137));
    ~TwProgressDialog() override;

    void SetStarter(Starter starter) { starter_ = std::move(starter); }

    ExportProgressSink& Sink() { return state_; }
    // What the worker left last, before the timer has shown it.
    const ExportProgressState& Progress() const { return state_; }
    int GetShownPercent() const;
    wxString GetShownText() const;
    bool IsStopRequested() const { return stopRequested_; }

private:
    void OnIdle(wxIdleEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnExportFinished(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void CopyProgress();

    ExportProgressState state_;
    wxStaticText* messageLabel_ = nullptr;
    wxGauge* gauge_ = nullptr;
    wxTimer timer_;
    Starter starter_;
    bool exportStarted_ = false;
    bool finished_ = false;
    bool stopRequested_ = false;
};
