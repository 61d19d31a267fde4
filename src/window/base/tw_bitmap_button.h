#pragma once
// A bitmap button for skinned dialogs: normal, current and pressed pictures
// over either a background bitmap (the piece of the dialog's picture behind
// the button, for a transparent look) or the background colour.
//
// The owner creates the button with its size and then hands over the
// pictures; the button owns them.

#include <memory>

#include <wx/bitmap.h>
#include <wx/validate.h>

#include "window/base/tw_state_button.h"

class TwBitmapButton : public TwStateButton {
public:
    TwBitmapButton(wxWindow* parent, wxWindowID id, const wxPoint& position = wxDefaultPosition,
                   const wxSize& size = wxDefaultSize, const wxValidator& validator = wxDefaultValidator);
    ~TwBitmapButton() override;

    // Takes ownership; current and pressed may be null (the normal face shows).
    void SetFaces(wxBitmap* normal, wxBitmap* current, wxBitmap* pressed);

    // Draws `background` under the face from now on.
    void SetBackgroundBitmap(const wxBitmap& background);
    // Fills with the colour from now on.
    bool SetBackgroundColour(const wxColour& colour) override;
    bool UsesBackgroundBitmap() const { return useBackgroundBitmap_; }

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
    const wxBitmap* FaceForState() const;

    wxBitmap background_;
    bool useBackgroundBitmap_ = false;
    std::unique_ptr<wxBitmap> normal_;
    std::unique_ptr<wxBitmap> pressed_;
    std::unique_ptr<wxBitmap> current_;
};
