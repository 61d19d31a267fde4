#pragma once
// A fixed-size bitmap button of the window chrome (the title bar's caption
// buttons, the tool bar's view toggles). It draws its normal picture and, over
// it, the current (pointer over it) or pressed picture; behind them the piece
// of its parent's tiled background that it covers.
//
// The button owns its three pictures. The background belongs to the parent,
// which outlives the button; it may be null (the toolkit then erases).

#include <memory>

#include <wx/bitmap.h>
#include <wx/control.h>

class SKButton : public wxControl {
public:
    enum State { kNormal = 0, kCurrent = 1, kPressed = 2 };

    // Takes ownership of normal, current and pressed. The size is the normal
    // picture's size.
    SKButton(const wxBitmap* background, wxBitmap* normal, wxBitmap* current, wxBitmap* pressed,
             wxWindow* parent, wxWindowID id, const wxPoint& position = wxDefaultPosition);
    ~SKButton() override;

    bool Enable(bool enable = true) override;
    int GetState() const { return state_; }

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnEnter(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnFocus(wxFocusEvent& event);
    void SetState(int state);

    const wxBitmap* background_;
    std::unique_ptr<wxBitmap> normal_;
    std::unique_ptr<wxBitmap> current_;
    std::unique_ptr<wxBitmap> pressed_;
    int state_ = kNormal;

    wxDECLARE_EVENT_TABLE();
};
