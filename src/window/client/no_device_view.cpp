#include "window/client/no_device_view.h"

#include <algorithm>

#include <wx/arrstr.h>
#include <wx/font.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "common/image_util.h"

NoDeviceView::NoDeviceView(wxWindow* parent, const wxPoint& position, wxBitmap* background, const wxSize& size)
{
    if (!CreatePanel(parent, wxID_ANY, position, size, wxTAB_TRAVERSAL | wxBORDER_NONE, background))
        return;

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    SetSizer(sizer);
    sizer->AddSpacer(40);

    titleLabel_ = new wxStaticText(this, wxID_ANY, wxString());
    titleLabel_->SetFont(wxFont(30, wxFONTFAMILY_ROMAN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD));
    sizer->Add(titleLabel_, 0, wxEXPAND | wxLEFT, 40);
    sizer->AddSpacer(20);

    // GTK draws these pictures without a window of their own, so their
    // transparent pixels show the view's background.
    auto* device = new wxStaticBitmap(this, wxID_ANY, GetThemeBitmap("image/client/getting-started/not_connect.png"));
    sizer->Add(device, 0, wxLEFT, 40);
    sizer->AddSpacer(20);

    helpLabel_ = new wxStaticText(this, wxID_ANY, wxString());
    helpLabel_->SetFont(wxFont(12, wxFONTFAMILY_ROMAN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
    sizer->Add(helpLabel_, 0, wxEXPAND | wxLEFT, 40);
    sizer->AddStretchSpacer(1);

    auto* cable = new wxStaticBitmap(this, wxID_ANY, GetThemeBitmap("image/client/getting-started/cable.png"));
    sizer->Add(cable, 0, wxALIGN_RIGHT | wxRIGHT, 25);

    UpdateTexts();
}

void NoDeviceView::UpdateTexts()
{
    if (titleLabel_ == nullptr)
        return;
    titleLabel_->SetLabel(_("Getting Started"));
    helpLabel_->SetLabel(_("No device detected! Please try to fix it as below:\n\n"
                           " 1. Please install iTunes!\n"
                           " 2. Please make sure the device is connected to your computer!\n"
                           " 3. Please restart the program to try again!\n"));
    // GTK's labels wrap and then report less width than their lines need;
    // these lines are meant to stay whole, so each label asks for its widest.
    for (wxStaticText* label : {titleLabel_, helpLabel_}) {
        int width = 0;
        for (const wxString& line : wxSplit(label->GetLabel(), '\n', '\0'))
            width = std::max(width, label->GetTextExtent(line).x);
        label->SetMinSize(wxSize(width, -1));
        label->InvalidateBestSize();
    }
    InvalidateBestSize();
    Layout();
}
