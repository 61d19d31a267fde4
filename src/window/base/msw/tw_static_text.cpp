#include "window/base/msw/tw_static_text.h"

TwStaticText::TwStaticText(wxWindow* parent, wxWindowID id, const wxString& label,
                           const wxPoint& position, const wxSize& size, long style)
{
    Create(parent, id, label, position, size, style);
}
