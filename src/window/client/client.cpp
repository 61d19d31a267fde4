#include "window/client/client.h"

#include "app/app_registry.h"
#include "common/image_util.h"
#include "window/client/left_pane.h"
#include "window/client/right_pane.h"

Client::Client(wxWindow* parent, const wxPoint& position, const wxSize& size)
    : wxSplitterWindow(parent, wxID_ANY, position, size, wxSP_3D, "splitter")
{
    leftPane_ = new LeftPane(this, LoadThemeBitmap("image/client/client_bg.png"));
    rightPane_ = new RightPane(this, wxDefaultPosition, wxDefaultSize, LoadThemeBitmap("image/client/client_bg.png"));
    SplitVertically(leftPane_, rightPane_, 200);
    SetSashGravity(0.2);
    SetMinimumPaneSize(1);
    SetMinSize(wxSize(800, 450));
    RegisterWindow(kLeftPaneSlot, leftPane_);
    RegisterWindow(kRightPaneSlot, rightPane_);
}
