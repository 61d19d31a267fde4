#pragma once
// A static picture that shows its parent's background bitmap behind it (see
// TwTransparentControl); transparent pixels of the picture let it show through.

#include <wx/generic/statbmpg.h>

#include "window/base/msw/tw_transparent_control.h"

class TwStaticBitmap : public TwTransparentControl<wxGenericStaticBitmap> {
public:
    TwStaticBitmap(wxWindow* parent, wxWindowID id, const wxBitmap& bitmap,
                   const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                   long style = 0);
};
