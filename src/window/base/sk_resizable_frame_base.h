#pragma once
// The borderless, shaped top-level frame that draws its own chrome: the main
// window derives from it and puts SKBorder pieces and an SKTitleBar around
// its client (they call back into SetFrameRect, MoveFrameTo and CloseFrame).
//
// Use:
//     class MyFrame : public SKResizableFrameBase {
//         MyFrame() : SKResizableFrameBase("Title", wxDefaultPosition, wxSize(900, 600)) {}
//     };
//
// The window's outline has rounded top corners of `cornerRadius` and, unless
// `roundBottom`, square bottom corners; it is set again on every size change.
// Moves and resizes asked for by the chrome keep the top-left corner on the
// screen and the size between the window's minimum size and the screen's.
//
// Maximizing is done by the frame itself (it takes the work area of its
// display and remembers the rectangle to restore): a borderless window cannot
// count on a window manager to do it, and under a bare X server there is none.

#include <wx/frame.h>

class SKResizableFrameBase : public wxFrame {
public:
    static constexpr long kStyle = wxBORDER_NONE | wxFRAME_SHAPED | wxRESIZE_BORDER | wxMINIMIZE_BOX |
                                   wxMAXIMIZE_BOX | wxCLOSE_BOX | wxSYSTEM_MENU | wxCLIP_CHILDREN;

    // Two-step creation: construct, then Create.
    explicit SKResizableFrameBase(double cornerRadius = 8.0, bool roundBottom = false);
    SKResizableFrameBase(const wxString& title, const wxPoint& position = wxDefaultPosition,
                         const wxSize& size = wxDefaultSize, double cornerRadius = 8.0,
                         bool roundBottom = false);

    // A top-level frame (no parent) with the style above; the shape is applied at once.
    bool Create(const wxString& title, const wxPoint& position = wxDefaultPosition,
                const wxSize& size = wxDefaultSize);

    // Moves and resizes in one step when the rectangle fits (FrameRectFits:
    // top-left corner on the screen, size between the minimum and the
    // screen); otherwise does nothing.
    virtual void SetFrameRect(const wxPoint& position, const wxSize& size);
    // Moves when the top-left corner stays on the screen; otherwise does nothing.
    virtual void MoveFrameTo(const wxPoint& position);
    // Asks the window to close (not forced): its close handler decides.
    virtual void CloseFrame(wxCommandEvent& event);

    void Maximize(bool maximize = true) override;
    bool IsMaximized() const override;

    double GetCornerRadius() const { return cornerRadius_; }
    bool GetRoundBottom() const { return roundBottom_; }

    // The screen size the bounds use (the system metrics).
    static wxSize GetScreenSize();

private:
    void ApplyShape();
    void OnSize(wxSizeEvent& event);

    bool roundBottom_;
    double cornerRadius_;
    bool maximized_ = false;
    wxRect restoreRect_;  // where Maximize(false) puts the frame back

    wxDECLARE_EVENT_TABLE();
};
