#include "window/base/tw_bitmap_button.h"

#include <wx/dcbuffer.h>

TwBitmapButton::TwBitmapButton(wxWindow* parent, wxWindowID id, const wxPoint& position,
                               const wxSize& size, const wxValidator& validator)
{
    Create(parent, id, position, size, wxBORDER_NONE, validator);
    Bind(wxEVT_PAINT, &TwBitmapButton::OnPaint, this);
}

TwBitmapButton::~TwBitmapButton() = default;

void TwBitmapButton::SetFaces(wxBitmap* normal, wxBitmap* current, wxBitmap* pressed)
{
    normal_.reset(normal);
    current_.reset(current);
    pressed_.reset(pressed);
    Refresh(false);
}

void TwBitmapButton::SetBackgroundBitmap(const wxBitmap& background)
{
    background_ = background;
    useBackgroundBitmap_ = true;
    Refresh(false);
}

bool TwBitmapButton::SetBackgroundColour(const wxColour& colour)
{
    useBackgroundBitmap_ = false;
    return TwStateButton::SetBackgroundColour(colour);
}

wxSize TwBitmapButton::DoGetBestSize() const
{
    return GetSize();
}

const wxBitmap* TwBitmapButton::FaceForState() const
{
    switch (GetState()) {
    case kCurrent:
        return current_ && current_->IsOk() ? current_.get() : normal_.get();
    case kPressed:
        return pressed_ && pressed_->IsOk() ? pressed_.get() : normal_.get();
    default:
        return normal_.get();
    }
}

void TwBitmapButton::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    if (useBackgroundBitmap_ && background_.IsOk()) {
        dc.DrawBitmap(background_, 0, 0, true);
    } else {
        const wxColour colour = GetBackgroundColour();
        dc.SetPen(wxPen(colour));
        dc.SetBrush(wxBrush(colour));
        dc.DrawRectangle(GetClientRect());
    }
    const wxBitmap* face = FaceForState();
    if (face != nullptr && face->IsOk())
        dc.DrawBitmap(*face, 0, 0, true);
}
