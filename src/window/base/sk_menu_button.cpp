#include "window/base/sk_menu_button.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/menu.h>
#include <wx/settings.h>

#include "common/image_util.h"
#include "window/base/button_click.h"

wxBEGIN_EVENT_TABLE(SkMenuButton, wxControl)
    EVT_PAINT(SkMenuButton::OnPaint)
    EVT_ENTER_WINDOW(SkMenuButton::OnEnter)
    EVT_LEAVE_WINDOW(SkMenuButton::OnLeave)
    EVT_LEFT_DOWN(SkMenuButton::OnLeftDown)
    EVT_LEFT_DCLICK(SkMenuButton::OnLeftDown)  // a quick second press is a press too
wxEND_EVENT_TABLE()

namespace {

void DrawLabel(wxBitmap& bitmap, const wxString& label, const wxFont& font, const wxColour& colour)
{
    wxMemoryDC dc(bitmap);
    dc.SetFont(font);
    dc.SetTextForeground(colour);
    dc.SetBackgroundMode(wxTRANSPARENT);
    dc.DrawText(label, 0, 0);
}

} // namespace

wxFont SkMenuButton::TitleFont()
{
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    font.SetPointSize(10);
    return font;
}

SkMenuButton::SkMenuButton(wxMenu* menu, const wxString& label, const wxBitmap& barBackground,
                           wxWindow* parent, wxWindowID id, const wxColour& normalColour,
                           const wxColour& currentColour, const wxPoint& position,
                           const wxValidator& validator)
    : menu_(menu)
{
    const wxFont font = TitleFont();
    if (barBackground.IsOk()) {
        wxMemoryDC measure;
        measure.SetFont(font);
        const wxSize size(measure.GetTextExtent(label).x + 16, barBackground.GetHeight());
        normal_ = std::make_unique<wxBitmap>(size);
        TileBitmap(barBackground, *normal_);
        activate_ = std::make_unique<wxBitmap>(normal_->GetSubBitmap(wxRect(size)));
        DrawLabel(*normal_, label, font, normalColour);
        DrawLabel(*activate_, label, font, currentColour);
    }
    wxASSERT_MSG(normal_ != nullptr, "SkMenuButton::Create():normal != NULL failed");
    wxASSERT_MSG(normal_ == nullptr || normal_->IsOk(), "SkMenuButton::Create():normal->IsOk() failed");
    const wxSize size = normal_ && normal_->IsOk() ? normal_->GetSize() : wxSize(0, 0);
    Create(parent, id, position, size, wxBORDER_NONE, validator);
    SetFont(font);
    SetLabel(label);
}

SkMenuButton::~SkMenuButton() = default;

wxSize SkMenuButton::DoGetBestSize() const
{
    wxASSERT_MSG(normal_ != nullptr, "SkMenuButton::DoGetBestSize():normal != NULL failed");
    wxASSERT_MSG(normal_ == nullptr || normal_->IsOk(),
                 "SkMenuButton::DoGetBestSize():normal->IsOk() failed");
    return normal_ && normal_->IsOk() ? normal_->GetSize() : wxSize(0, 0);
}

void SkMenuButton::SetState(int state)
{
    state_ = state;
    Refresh(true);
    Update();
}

void SkMenuButton::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    wxASSERT_MSG(normal_ != nullptr, "SkMenuButton::OnPaint():normal != NULL failed");
    if (!normal_)
        return;
    wxASSERT_MSG(normal_->IsOk(), "SkMenuButton::OnPaint():normal->IsOk() failed");
    dc.DrawBitmap(*normal_, 0, 0, true);
    if (IsEnabled() && state_ == kActivate) {
        wxASSERT_MSG(activate_ && activate_->IsOk(), "SkMenuButton::OnPaint():activate->IsOk() failed");
        if (activate_ && activate_->IsOk())
            dc.DrawBitmap(*activate_, 0, 0, true);
    }
}

void SkMenuButton::OnEnter(wxMouseEvent&)
{
    if (tracksPointer_)
        SetState(kActivate);
}

void SkMenuButton::OnLeave(wxMouseEvent&)
{
    if (tracksPointer_)
        SetState(kNormal);
}

void SkMenuButton::OnLeftDown(wxMouseEvent&)
{
    SendButtonClick(this);
}
