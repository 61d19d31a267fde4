#include "gallery_panels.h"

#include <wx/dcbuffer.h>

#include "common/image_util.h"

BandPanel::BandPanel(wxWindow* parent, const wxString& image, const wxPoint& position, const wxSize& size)
{
    Create(parent, wxID_ANY, position, size, wxBORDER_NONE);
    const wxBitmap tile = GetThemeBitmap(image);
    SetBackgroundBitmap(tile);
    tiled_ = TiledPiece(tile, wxRect(size));
}

PaintedPanel::PaintedPanel(wxWindow* parent, const wxPoint& position, const wxSize& size, Painter painter)
    : painter_(std::move(painter))
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, wxID_ANY, position, size, wxBORDER_NONE);
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
        wxAutoBufferedPaintDC dc(this);
        painter_(dc);
    });
}
