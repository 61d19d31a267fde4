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

    // Widens the navigation pane when its selector and button do not fit, and
    // raises the minimum size so that the getting-started page fits beside it
    // (at construction and after a language change). Never narrows anything
    // below 200 pixels for the pane and 800 x 450 for the whole.
    void FitPanes();

    LeftPane* GetLeftPane() const { return leftPane_; }
    RightPane* GetRightPane() const { return rightPane_; }

private:
    LeftPane* leftPane_ = nullptr;
    RightPane* rightPane_ = nullptr;
};
