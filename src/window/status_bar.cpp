#include "window/status_bar.h"

#include <wx/font.h>
#include <wx/gauge.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "device/thread_events.h"

wxBEGIN_EVENT_TABLE(StatusBar, SkinnedPanel)
    EVT_COMMAND(wxID_ANY, EVT_DETECT_PROGRESS, StatusBar::OnDetectProgress)
wxEND_EVENT_TABLE()

StatusBar::StatusBar(wxWindow* parent, const wxPoint& position, const wxSize& size)
{
    if (!CreatePanel(parent, wxID_ANY, position, size, wxTAB_TRAVERSAL | wxBORDER_NONE, nullptr))
        return;

    outerSizer_ = new wxBoxSizer(wxHORIZONTAL);
    innerPanel_ = new SkinnedPanel;
    innerPanel_->CreatePanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, nullptr);
    innerSizer_ = new wxBoxSizer(wxHORIZONTAL);

    statusText_ = new wxStaticText(innerPanel_, wxID_ANY, wxString());
    statusText_->SetFont(wxFont(12, wxFONTFAMILY_ROMAN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
    statusText_->SetForegroundColour(wxColour(255, 255, 255));
    innerSizer_->Add(statusText_, 0, wxALL | wxALIGN_CENTER_VERTICAL, 0);
    innerSizer_->AddSpacer(10);

    gauge_ = new wxGauge(innerPanel_, wxID_ANY, 100, wxDefaultPosition, wxDefaultSize, wxGA_HORIZONTAL);
    innerSizer_->Add(gauge_, 1, wxALL | wxALIGN_CENTER_VERTICAL, 0);

    innerPanel_->SetSizer(innerSizer_);
    innerPanel_->Layout();
    innerSizer_->Fit(innerPanel_);
    outerSizer_->Add(innerPanel_, 1, wxEXPAND | wxALL, 0);
    SetSizer(outerSizer_);
    Layout();
}

void StatusBar::SetBackground(wxBitmap* background)
{
    if (innerPanel_ != nullptr && background != nullptr)
        innerPanel_->SetOwnedBackground(new wxBitmap(*background));
    SetOwnedBackground(background);
    Refresh();
}

void StatusBar::SetStatusText(const wxString& text)
{
    if (statusText_ == nullptr)
        return;
    // Device names may hold '&'; it is shown, not taken as a mnemonic.
    statusText_->SetLabelText(text);
    LayOutText();
}

wxString StatusBar::GetStatusText() const
{
    return statusText_ != nullptr ? statusText_->GetLabelText() : wxString();
}

void StatusBar::LayOutText()
{
    innerPanel_->Layout();
    innerSizer_->Fit(innerPanel_);
    Layout();
}

void StatusBar::OnDetectProgress(wxCommandEvent& event)
{
    SetStatusText(event.GetString());
    gauge_->SetValue(event.GetInt());
}
