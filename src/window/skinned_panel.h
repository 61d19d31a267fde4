#pragma once
// A panel tiled with a background bitmap that it owns: the bands, panes and
// views of the main window. The toolkit tiles the bitmap when the panel
// erases; labels and pictures without a window of their own (GTK's labels and
// images) draw straight over it, so they need no background of their own.

#include <memory>

#include <wx/bitmap.h>
#include <wx/custombgwin.h>
#include <wx/panel.h>

class SkinnedPanel : public wxCustomBackgroundWindow<wxPanel> {
public:
    SkinnedPanel() = default;

    // Creates the panel and takes `background` (may be null: the toolkit's
    // plain colour then shows). An invalid bitmap is kept but not shown.
    bool CreatePanel(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size, long style,
                     wxBitmap* background);

    // Takes a new background in place of the old one.
    void SetOwnedBackground(wxBitmap* background);
    const wxBitmap* GetOwnedBackground() const { return background_.get(); }

private:
    std::unique_ptr<wxBitmap> background_;
};
