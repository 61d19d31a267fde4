#include "window/tw_progress_dialog.h"

#include <algorithm>

#include <wx/gauge.h>
#include <wx/intl.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "device/export_handshake.h"
#include "device/thread_events.h"

namespace {
constexpr int kTimerMilliseconds = 500;
}

TwProgressDialog::TwProgressDialog(wxWindow* parent, const wxString& title, const wxPoint& position,
                                   const wxSize& size)
    : wxDialog(parent, wxID_ANY, title, position, size, wxCAPTION | wxCLOSE_BOX | wxSYSTEM_MENU),
      state_(this), timer_(this)
{
    auto* panel = new wxPanel(this);
    auto* column = new wxBoxSizer(wxVERTICAL);
    messageLabel_ = new wxStaticText(panel, wxID_ANY, _("Exporting..."), wxDefaultPosition, wxDefaultSize,
                                     wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_MIDDLE);
    gauge_ = new wxGauge(panel, wxID_ANY, 100, wxDefaultPosition, wxDefaultSize, wxGA_HORIZONTAL);
    // The text and the gauge sit together in the middle of the dialog.
    column->AddStretchSpacer();
    column->Add(messageLabel_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    column->Add(gauge_, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
    column->AddStretchSpacer();
    panel->SetSizer(column);

    Bind(wxEVT_IDLE, &TwProgressDialog::OnIdle, this);
    Bind(wxEVT_TIMER, &TwProgressDialog::OnTimer, this);
    Bind(EVT_EXPORT_FINISHED, &TwProgressDialog::OnExportFinished, this);
    Bind(wxEVT_CLOSE_WINDOW, &TwProgressDialog::OnClose, this);
    CentreOnParent();
}

TwProgressDialog::~TwProgressDialog()
{
    timer_.Stop();
    // A worker must never report to a dialog that is gone.
    if (exportStarted_ && !finished_)
        StopRunningExport();
}

int TwProgressDialog::GetShownPercent() const
{
    return gauge_->GetValue();
}

wxString TwProgressDialog::GetShownText() const
{
    return messageLabel_->GetLabel();
}

void TwProgressDialog::OnIdle(wxIdleEvent& event)
{
    event.Skip();
    if (exportStarted_ || !IsShown())
        return;
    exportStarted_ = true;
    if (!starter_) {
        finished_ = true;
        EndModal(wxID_CANCEL);
        return;
    }
    timer_.Start(kTimerMilliseconds);
    // Whether it runs or not, the export sends its completion event.
    starter_(state_);
}

void TwProgressDialog::OnTimer(wxTimerEvent&)
{
    CopyProgress();
}

void TwProgressDialog::CopyProgress()
{
    gauge_->SetValue(std::min(100, std::max(0, state_.GetPercent())));
    const wxString text = state_.GetText();
    if (text != messageLabel_->GetLabel())
        messageLabel_->SetLabel(text);
}

void TwProgressDialog::OnExportFinished(wxCommandEvent&)
{
    finished_ = true;
    timer_.Stop();
    CopyProgress();
    if (IsModal())
        EndModal(wxID_OK);
    else
        Hide();
}

void TwProgressDialog::OnClose(wxCloseEvent& event)
{
    // The close box asks for a stop; the dialog goes when the worker has said
    // it is done (its completion event is queued before the stop returns).
    if (finished_) {
        event.Skip();
        return;
    }
    event.Veto();
    stopRequested_ = true;
    StopRunningExport();
}
