#pragma once
// The client area of the main window: a splitter with the navigation pane on
// the left and the right pane on the right. Both panes are its children.

#include <wx/splitter.h>

class LeftPane;
class RightPane;

class Client : public wxSplitterWindow {
public:
    // Builds both panes and registers them.
    Client(wxWindow* parent, const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize);

    LeftPane* GetLeftPane() const { return leftPane_; }
    RightPane* GetRightPane() const { return rightPane_; }

private:
    LeftPane* leftPane_ = nullptr;
    RightPane* rightPane_ = nullptr;
};
