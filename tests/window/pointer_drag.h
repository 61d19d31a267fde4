#pragma once
// Drags with the real pointer (XTest, through wxUIActionSimulator) and waits,
// after every step, until the window under test has had the event: so a test
// can look at the frame after a refused move as well as after a done one.

#include <wx/gdicmn.h>
#include <wx/uiaction.h>

class wxMouseEvent;
class wxWindow;

class PointerDrag {
public:
    // Counts the presses (a quick second press comes as a double click),
    // motions and releases `target` gets; its own handlers still run. A drag
    // still pressed at the end is released.
    explicit PointerDrag(wxWindow* target);
    ~PointerDrag();
    PointerDrag(const PointerDrag&) = delete;
    PointerDrag& operator=(const PointerDrag&) = delete;

    // Each step is in screen coordinates; false when the target did not get
    // the event in time.
    bool Press(const wxPoint& at);
    bool MoveTo(const wxPoint& to);
    bool Release();

private:
    void OnPress(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnRelease(wxMouseEvent& event);

    wxWindow* target_;
    wxUIActionSimulator simulator_;
    bool pressed_ = false;
    int presses_ = 0;
    int motions_ = 0;
    int releases_ = 0;
};
