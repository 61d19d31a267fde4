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
    state_ = enable ? kNormal : kDisabled;
    Refresh(false);
    Update();
    return wxControl::Enable(enable);
}

// A disabled button keeps its disabled face whatever the pointer does.

void TwStateButton::OnEnter(wxMouseEvent&)
{
    if (state_ == kDisabled)
        return;
    state_ = kCurrent;
    Refresh(true);
    Update();
}

void TwStateButton::OnLeave(wxMouseEvent&)
{
    if (state_ == kDisabled || !IsEnabled())
        return;
    state_ = kLeft;
    Refresh(true);
    Update();
}

void TwStateButton::OnLeftDown(wxMouseEvent&)
{
    if (state_ == kDisabled)
        return;
    state_ = kPressed;
    Refresh(true);
    Update();
}

void TwStateButton::OnLeftDoubleClick(wxMouseEvent&)
{
    if (state_ == kDisabled)
        return;
    state_ = kPressed;
    Refresh(false);
    Update();
}

void TwStateButton::OnLeftUp(wxMouseEvent&)
{
    if (state_ != kPressed)
        return;
    state_ = kReleased;
    Refresh(false);
    Update();
    SendButtonClick(this);
}
