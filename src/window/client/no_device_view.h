#pragma once
// The getting-started page of the right pane, shown while no device is
// loaded: a heading, a picture of a device that is not connected, three hints
// and a cable in the bottom right corner. Owns its background bitmap; the
// labels and pictures are its children.

#include "window/skinned_panel.h"

class wxStaticText;

class NoDeviceView : public SkinnedPanel {
public:
    // Takes ownership of background (may be null).
    NoDeviceView(wxWindow* parent, const wxPoint& position, wxBitmap* background,
                 const wxSize& size = wxDefaultSize);

    // Sets both texts from the message catalogue (after a language change too).
    void UpdateTexts();

    wxStaticText* GetTitleLabel() const { return titleLabel_; }
    wxStaticText* GetHelpLabel() const { return helpLabel_; }

private:
    wxStaticText* titleLabel_ = nullptr;
    wxStaticText* helpLabel_ = nullptr;
};
