#include "window/base/sk_resizable_frame_base.h"

#include <wx/display.h>
#include <wx/settings.h>

#include "window/base/chrome_geometry.h"

wxBEGIN_EVENT_TABLE(SKResizableFrameBase, wxFrame)
    EVT_SIZE(SKResizableFrameBase::OnSize)
wxEND_EVENT_TABLE()

SKResizableFrameBase::SKResizableFrameBase(double cornerRadius, bool roundBottom)
    : roundBottom_(roundBottom), cornerRadius_(cornerRadius)
{
}

SKResizableFrameBase::SKResizableFrameBase(const wxString& title, const wxPoint& position,
                                           const wxSize& size, double cornerRadius, bool roundBottom)
    : roundBottom_(roundBottom), cornerRadius_(cornerRadius)
{
    Create(title, position, size);
}

bool SKResizableFrameBase::Create(const wxString& title, const wxPoint& position, const wxSize& size)
{
    if (!wxFrame::Create(nullptr, wxID_ANY, title, position, size, kStyle))
        return false;
    ApplyShape();
    return true;
}

wxSize SKResizableFrameBase::GetScreenSize()
{
    return wxSize(wxSystemSettings::GetMetric(wxSYS_SCREEN_X), wxSystemSettings::GetMetric(wxSYS_SCREEN_Y));
}

void SKResizableFrameBase::SetFrameRect(const wxPoint& position, const wxSize& size)
{
    if (FrameRectFits(wxRect(position, size), GetScreenSize(), GetMinSize()))
        SetSize(position.x, position.y, size.x, size.y, wxSIZE_ALLOW_MINUS_ONE);
}

void SKResizableFrameBase::MoveFrameTo(const wxPoint& position)
{
    if (FramePositionFits(position, GetScreenSize()))
        Move(position, wxSIZE_ALLOW_MINUS_ONE);
}

void SKResizableFrameBase::CloseFrame(wxCommandEvent&)
{
    Close(false);
}

void SKResizableFrameBase::Maximize(bool maximize)
{
    if (!maximize && wxFrame::IsMaximized())  // maximized by the window manager
        wxFrame::Maximize(false);
    if (maximize == maximized_)
        return;
    if (maximize) {
        restoreRect_ = GetRect();
        const int display = wxDisplay::GetFromWindow(this);
        maximized_ = true;
        SetSize(wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea());
    } else {
        maximized_ = false;
        SetSize(restoreRect_);
    }
}

bool SKResizableFrameBase::IsMaximized() const
{
    return maximized_ || wxFrame::IsMaximized();
}

void SKResizableFrameBase::ApplyShape()
{
    const wxSize size = GetSize();
    if (size.x > 0 && size.y > 0)
        SetShape(FrameShapeRegion(size, cornerRadius_, roundBottom_));
}

void SKResizableFrameBase::OnSize(wxSizeEvent& event)
{
    ApplyShape();
    event.Skip();
}
