#include "window/base/tw_state_button.h"

#include "window/base/button_click.h"

TwStateButton::TwStateButton()
{
    // The derived buttons paint every pixel themselves.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_ENTER_WINDOW, &TwStateButton::OnEnter, this);
    Bind(wxEVT_LEAVE_WINDOW, &TwStateButton::OnLeave, this);
    Bind(wxEVT_LEFT_DOWN, &TwStateButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &TwStateButton::OnLeftDoubleClick, this);
    Bind(wxEVT_LEFT_UP, &TwStateButton::OnLeftUp, this);
}

bool TwStateButton::Enable(bool enable)
{
    ShowState(enable ? kNormal : kDisabled, false);
    return wxControl::Enable(enable);
}

void TwStateButton::ShowState(int state, bool erase)
{
    state_ = state;
    Refresh(erase);
    Update();
}

// A disabled button keeps its disabled face whatever the pointer does.

void TwStateButton::OnEnter(wxMouseEvent&)
{
    if (state_ != kDisabled)
        ShowState(kCurrent, true);
}

void TwStateButton::OnLeave(wxMouseEvent&)
{
    if (state_ != kDisabled && IsEnabled())
        ShowState(kLeft, true);
}

void TwStateButton::OnLeftDown(wxMouseEvent&)
{
    if (state_ != kDisabled)
        ShowState(kPressed, true);
}

void TwStateButton::OnLeftDoubleClick(wxMouseEvent&)
{
    if (state_ != kDisabled)
        ShowState(kPressed, false);
}

void TwStateButton::OnLeftUp(wxMouseEvent&)
{
    if (state_ != kPressed)
        return;
    ShowState(kReleased, false);
    SendButtonClick(this);
}
