#pragma once
// How every skinned button reports a click: a wxEVT_BUTTON command event with
// the control's own id, processed at once through the control's handler (and
// from there up to its parents). The handler may destroy the button, so the
// caller touches nothing of it afterwards.

class wxWindow;

void SendButtonClick(wxWindow* button);
