#include "window/base/button_click.h"

#include <wx/event.h>
#include <wx/window.h>

void SendButtonClick(wxWindow* button)
{
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->ProcessWindowEvent(click);
}
