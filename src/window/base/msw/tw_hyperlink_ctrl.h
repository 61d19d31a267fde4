#pragma once
// A hyperlink that shows its parent's background bitmap behind it (see
// TwTransparentControl); the link text keeps the toolkit's link colours.

#include <wx/hyperlink.h>  // declares the generic control too

#include "window/base/msw/tw_transparent_control.h"

class TwHyperLinkCtrl : public TwTransparentControl<wxGenericHyperlinkCtrl> {
public:
    TwHyperLinkCtrl(wxWindow* parent, wxWindowID id, const wxString& label, const wxString& url,
                    const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                    long style = wxHL_DEFAULT_STYLE);
};
