#pragma once
// Stand-ins for the program's skinned parents, enough to show the widgets the
// way the windows will hold them.

#include <functional>

#include <wx/bitmap.h>
#include <wx/custombgwin.h>
#include <wx/panel.h>

// A panel tiled with a theme image (title bar, tool bar, client area, ...).
class BandPanel : public wxCustomBackgroundWindow<wxPanel> {
public:
    BandPanel(wxWindow* parent, const wxString& image, const wxPoint& position, const wxSize& size);

    // The tiling as one bitmap of the panel's size, for transparent controls.
    const wxBitmap& GetTiledBackground() const { return tiled_; }

private:
    wxBitmap tiled_;
};

// A panel that paints with a function (a dialog's picture).
class PaintedPanel : public wxPanel {
public:
    using Painter = std::function<void(wxDC&)>;
    PaintedPanel(wxWindow* parent, const wxPoint& position, const wxSize& size, Painter painter);

private:
    Painter painter_;
};
