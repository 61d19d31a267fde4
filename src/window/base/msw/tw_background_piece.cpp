#include "window/base/msw/tw_background_piece.h"

#include <algorithm>

#include <wx/dc.h>

#include "common/image_util.h"
#include "common/runtime_check.h"

void TwBackgroundPiece::Draw(wxDC& dc, const wxBitmap& background, const wxRect& rect)
{
    if (rect != rect_ || background.GetRefData() != cutFrom_) {
        rect_ = rect;
        cutFrom_ = background.GetRefData();
        wxRect clipped = rect;
        clipped.height = std::min(clipped.height, background.GetHeight() - clipped.y);
        clipped.width = std::min(clipped.width, background.GetWidth() - clipped.x);
        RUNTIME_CHECK_TEXT(background.GetHeight() >= clipped.y + clipped.height, heightCheck_);
        RUNTIME_CHECK_TEXT(background.GetWidth() >= clipped.x + clipped.width, widthCheck_);
        piece_ = BackgroundPiece(background, clipped);
        at_ = wxPoint(std::max(0, -rect.x), std::max(0, -rect.y));
    }
    if (piece_.IsOk())
        dc.DrawBitmap(piece_, at_, false);
}
