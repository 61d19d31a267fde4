#include "pointer_drag.h"

#include <wx/window.h>

#include "support/gui_test.h"

PointerDrag::PointerDrag(wxWindow* target)
    : target_(target)
{
    target_->Bind(wxEVT_LEFT_DOWN, &PointerDrag::OnPress, this);
    target_->Bind(wxEVT_LEFT_DCLICK, &PointerDrag::OnPress, this);
    target_->Bind(wxEVT_MOTION, &PointerDrag::OnMotion, this);
    target_->Bind(wxEVT_LEFT_UP, &PointerDrag::OnRelease, this);
}

PointerDrag::~PointerDrag()
{
    target_->Unbind(wxEVT_LEFT_DOWN, &PointerDrag::OnPress, this);
    target_->Unbind(wxEVT_LEFT_DCLICK, &PointerDrag::OnPress, this);
    target_->Unbind(wxEVT_MOTION, &PointerDrag::OnMotion, this);
    target_->Unbind(wxEVT_LEFT_UP, &PointerDrag::OnRelease, this);
    if (pressed_) {
        simulator_.MouseUp();
        PumpPendingEvents();
    }
}

bool PointerDrag::Press(const wxPoint& at)
{
    simulator_.MouseMove(at);
    const int before = presses_;
    simulator_.MouseDown();
    pressed_ = true;
    return WaitFor([&] { return presses_ > before; });
}

bool PointerDrag::MoveTo(const wxPoint& to)
{
    const int before = motions_;
    simulator_.MouseMove(to);
    return WaitFor([&] { return motions_ > before; });
}

bool PointerDrag::Release()
{
    const int before = releases_;
    simulator_.MouseUp();
    pressed_ = false;
    return WaitFor([&] { return releases_ > before; });
}

void PointerDrag::OnPress(wxMouseEvent& event)
{
    ++presses_;
    event.Skip();
}

void PointerDrag::OnMotion(wxMouseEvent& event)
{
    ++motions_;
    event.Skip();
}

void PointerDrag::OnRelease(wxMouseEvent& event)
{
    ++releases_;
    event.Skip();
}
