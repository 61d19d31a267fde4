#include "window/base/msw/tw_hyperlink_ctrl.h"

TwHyperLinkCtrl::TwHyperLinkCtrl(wxWindow* parent, wxWindowID id, const wxString& label,
                                 const wxString& url, const wxPoint& position, const wxSize& size,
                                 long style)
{
    Create(parent, id, label, url, position, size, style);
}
