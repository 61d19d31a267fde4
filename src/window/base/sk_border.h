#pragma once
// A thin piece of the frame's edge or corner (BorderKind, chrome_geometry.h)
// that resizes the frame when dragged. It shows the sizing cursor of its
// kind and carries a tiled background bitmap.
//
// Use:
//     auto* piece = new SKBorder(kBorderTopLeft, frame, wxDefaultPosition, wxSize(5, 5));
//     piece->SetBackgroundBitmap(GetThemeBitmap("image/border/top_border_bg.png"));
//     piece->Attach(frame);  // until then the piece ignores the mouse
//
// While dragged, the frame corner opposite the piece (its anchor, fixed at
// the press) stays where it is and the frame's SetFrameRect gets the new
// rectangle; drags are ignored while the frame is maximized. The frame is the
// piece's top-level parent and outlives it.

#include <wx/custombgwin.h>
#include <wx/panel.h>

class SKResizableFrameBase;

class SKBorder : public wxCustomBackgroundWindow<wxPanel> {
public:
    SKBorder(int kind, wxWindow* parent, const wxPoint& position = wxDefaultPosition,
             const wxSize& size = wxDefaultSize);

    // Sets the frame the piece resizes and makes the piece act on the mouse.
    void Attach(SKResizableFrameBase* frame);
    bool IsAttached() const { return attached_; }
    SKResizableFrameBase* GetFrame() const { return frame_; }

    int GetKind() const { return kind_; }
    // The fixed corner of the current (or last) drag, in screen coordinates.
    wxPoint GetAnchor() const { return anchor_; }

private:
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    int kind_;
    SKResizableFrameBase* frame_ = nullptr;
    bool attached_ = false;
    wxPoint anchor_;

    wxDECLARE_EVENT_TABLE();
};
