#include "window/base/sk_button.h"

#include <wx/dcclient.h>

#include "window/base/button_click.h"
#include "window/base/parent_background.h"

wxBEGIN_EVENT_TABLE(SKButton, wxControl)
    EVT_PAINT(SKButton::OnPaint)
    EVT_ERASE_BACKGROUND(SKButton::OnEraseBackground)
    EVT_ENTER_WINDOW(SKButton::OnEnter)
    EVT_LEAVE_WINDOW(SKButton::OnLeave)
    EVT_LEFT_DOWN(SKButton::OnLeftDown)
    EVT_LEFT_UP(SKButton::OnLeftUp)
    EVT_SET_FOCUS(SKButton::OnFocus)
    EVT_KILL_FOCUS(SKButton::OnFocus)
wxEND_EVENT_TABLE()

SKButton::SKButton(const wxBitmap* background, wxBitmap* normal, wxBitmap* current,
                   wxBitmap* pressed, wxWindow* parent, wxWindowID id, const wxPoint& position)
    : background_(background), normal_(normal), current_(current), pressed_(pressed)
{
    wxASSERT_MSG(normal_ != nullptr, "SKButton::Create():normal != NULL failed");
    wxASSERT_MSG(normal_ == nullptr || normal_->IsOk(), "SKButton::Create():normal->IsOk() failed");
    const wxSize size = normal_ && normal_->IsOk() ? normal_->GetSize() : wxSize(0, 0);
    Create(parent, id, position, size, wxBORDER_NONE);
}

SKButton::~SKButton() = default;

wxSize SKButton::DoGetBestSize() const
{
    return normal_ && normal_->IsOk() ? normal_->GetSize() : wxSize(0, 0);
}

bool SKButton::Enable(bool enable)
{
    const bool changed = wxControl::Enable(enable);
    state_ = kNormal;  // a button disabled while pressed comes back at rest
    Update();
    Refresh();
    return changed;
}

void SKButton::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    wxASSERT_MSG(normal_ != nullptr, "SKButton::OnPaint():normal != NULL failed");
    if (!normal_)
        return;
    wxASSERT_MSG(normal_->IsOk(), "SKButton::OnPaint():normal->IsOk() failed");
    if (!normal_->IsOk())
        return;
    dc.DrawBitmap(*normal_, 0, 0, true);
    if (!IsEnabled())
        return;
    if (state_ == kCurrent) {
        wxASSERT_MSG(current_ && current_->IsOk(), "SKButton::OnPaint():current->IsOk() failed");
        if (current_ && current_->IsOk())
            dc.DrawBitmap(*current_, 0, 0, true);
    } else if (state_ == kPressed) {
        wxASSERT_MSG(pressed_ && pressed_->IsOk(), "SKButton::OnPaint():pressed->IsOk() failed");
        if (pressed_ && pressed_->IsOk())
            dc.DrawBitmap(*pressed_, 0, 0, true);
    }
}

void SKButton::OnEraseBackground(wxEraseEvent& event)
{
    if (background_ == nullptr || !background_->IsOk() || GetParent() == nullptr) {
        event.Skip();
        return;
    }
    const wxSize parentSize = GetParent()->GetClientSize();
    const wxRect rect = GetRect();
    wxASSERT_MSG(rect.x < parentSize.x && rect.x >= 0,
                 "SKButton::OnEraseBackground():(rect.x < width) && (rect.x >= 0) failed");
    wxASSERT_MSG(rect.y < parentSize.y && rect.y >= 0,
                 "SKButton::OnEraseBackground():(rect.y < height) && (rect.y >= 0) failed");
    DrawTiledParentPiece(this, *background_, event.GetDC());
}

void SKButton::SetState(int state)
{
    state_ = state;
    Refresh(true);
    Update();
}

void SKButton::OnEnter(wxMouseEvent&)
{
    SetState(kCurrent);
}

void SKButton::OnLeave(wxMouseEvent&)
{
    SetState(kNormal);
}

void SKButton::OnLeftDown(wxMouseEvent&)
{
    SetState(kPressed);
}

void SKButton::OnLeftUp(wxMouseEvent& event)
{
    const bool click = state_ == kPressed;
    // GTK delivers the release to the pressed window even when the pointer
    // has left it; only a release inside shows the pointed-at picture.
    SetState(GetClientRect().Contains(event.GetPosition()) ? kCurrent : kNormal);
    if (click)
        SendButtonClick(this);
}

void SKButton::OnFocus(wxFocusEvent& event)
{
    Refresh(true);
    Update();
    event.Skip();
}
