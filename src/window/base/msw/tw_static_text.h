#pragma once
// A static text that shows its parent's background bitmap behind it (see
// TwTransparentControl); the text is drawn in the control's foreground colour.

#include <wx/generic/stattextg.h>

#include "window/base/msw/tw_transparent_control.h"

class TwStaticText : public TwTransparentControl<wxGenericStaticText> {
public:
    TwStaticText(wxWindow* parent, wxWindowID id, const wxString& label,
                 const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                 long style = 0);
};
