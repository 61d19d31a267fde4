#include "window/base/parent_background.h"

#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/window.h>

#include "common/image_util.h"

void DrawTiledParentPiece(wxWindow* control, const wxBitmap& tile, wxDC* dc)
{
    wxWindow* parent = control->GetParent();
    if (parent == nullptr || !tile.IsOk())
        return;
    const wxRect rect = control->GetRect();
    const wxRect visible = rect.Intersect(wxRect(parent->GetClientSize()));
    if (visible.IsEmpty())
        return;
    const wxBitmap piece = TiledPiece(tile, visible);
    const wxPoint at(visible.x - rect.x, visible.y - rect.y);
    if (dc != nullptr) {
        dc->DrawBitmap(piece, at, false);
    } else {
        wxClientDC clientDc(control);
        clientDc.DrawBitmap(piece, at, false);
    }
}
