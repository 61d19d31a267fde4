#include "window/base/msw/tw_static_bitmap.h"

TwStaticBitmap::TwStaticBitmap(wxWindow* parent, wxWindowID id, const wxBitmap& bitmap,
                               const wxPoint& position, const wxSize& size, long style)
{
    Create(parent, id, bitmap, position, size, style);
}
