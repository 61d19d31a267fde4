#pragma once
// The pointer and enable state that TwBitmapButton and TwWordButton share:
//
//   0  enabled, at rest (also after creation)
//   1  the pointer entered
//   2  the left button went down, or a double click arrived
//   3  the left button came up after 2: this release is the click
//   4  the pointer left while enabled
//   6  disabled
//
// Only a release in state 2 is a click, so pressing, leaving and releasing
// outside sends nothing. A derived button draws its face from GetState().

#include <wx/control.h>

class TwStateButton : public wxControl {
public:
    enum State {
        kNormal = 0,
        kCurrent = 1,
        kPressed = 2,
        kReleased = 3,
        kLeft = 4,
        kDisabled = 6,
    };

    int GetState() const { return state_; }

    // State 0 or 6, repaint, then the toolkit's enable.
    bool Enable(bool enable = true) override;

protected:
    TwStateButton();

    virtual void OnEnter(wxMouseEvent& event);
    virtual void OnLeave(wxMouseEvent& event);
    virtual void OnLeftDown(wxMouseEvent& event);
    virtual void OnLeftDoubleClick(wxMouseEvent& event);
    virtual void OnLeftUp(wxMouseEvent& event);

private:
    // Sets the state and repaints at once.
    void ShowState(int state, bool erase);

    int state_ = kNormal;
};
