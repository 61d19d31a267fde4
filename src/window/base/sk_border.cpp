#include "window/base/sk_border.h"

#include <wx/utils.h>

#include "window/base/chrome_geometry.h"
#include "window/base/sk_resizable_frame_base.h"

wxBEGIN_EVENT_TABLE(SKBorder, wxPanel)
    EVT_LEFT_DOWN(SKBorder::OnLeftDown)
    EVT_LEFT_DCLICK(SKBorder::OnLeftDown)  // a quick second press drags too
    EVT_MOTION(SKBorder::OnMotion)
    EVT_LEFT_UP(SKBorder::OnLeftUp)
    EVT_MOUSE_CAPTURE_LOST(SKBorder::OnCaptureLost)
wxEND_EVENT_TABLE()

SKBorder::SKBorder(int kind, wxWindow* parent, const wxPoint& position, const wxSize& size)
    : kind_(kind)
{
    Create(parent, wxID_ANY, position, size, wxBORDER_NONE | wxTAB_TRAVERSAL);
    const wxStockCursor cursor = BorderCursor(kind);
    if (cursor != wxCURSOR_NONE)
        SetCursor(wxCursor(cursor));
}

void SKBorder::Attach(SKResizableFrameBase* frame)
{
    frame_ = frame;
    attached_ = frame != nullptr;
}

void SKBorder::OnLeftDown(wxMouseEvent& event)
{
    if (attached_ && frame_ != nullptr) {
        if (!HasCapture())
            CaptureMouse();
        anchor_ = BorderAnchor(kind_, frame_->GetRect());
    }
    event.Skip();
}

void SKBorder::OnMotion(wxMouseEvent& event)
{
    if (attached_ && frame_ != nullptr && !frame_->IsMaximized() && event.Dragging() &&
        event.LeftIsDown() && HasCapture()) {
        // The pointer's own screen position: the piece moves with the frame,
        // and on X the event's window-relative position can predate the last
        // move, which would make the edge jitter.
        const wxRect rect = BorderDragRect(kind_, anchor_, frame_->GetSize(), wxGetMousePosition());
        frame_->SetFrameRect(rect.GetPosition(), rect.GetSize());
    }
    event.Skip();
}

void SKBorder::OnLeftUp(wxMouseEvent& event)
{
    if (HasCapture())
        ReleaseMouse();
    event.Skip();
}

void SKBorder::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    // The capture is already gone; nothing to release.
}
