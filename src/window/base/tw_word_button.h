#pragma once
// A text button whose picture stretches to its label (the tool bar's export
// button). Each state's image is cut into a left end, a middle piece and a
// right end; the face is the left end, the middle piece repeated under the
// label and the right end. The label is drawn over the face at (textX, textY),
// textX being the left end's width.
//
// Behind the face the button shows, by background mode:
//   0  the piece of the background bitmap at the button's place in its parent,
//   1  the background bitmap tiled across the button (a band such as the tool
//      bar's, which only varies downwards),
//   2  the plain background colour (after creation).
//
// Use: Create, SetImages, optionally SetBackgroundBitmap, SetTextY, then
// SetLabelAndFont, which composes the faces and sizes the button.

#include <wx/bitmap.h>
#include <wx/control.h>

#include "window/base/msw/tw_background_piece.h"
#include "window/base/tw_state_button.h"

class TwWordButton : public TwStateButton {
public:
    enum BackgroundMode { kCutBackground = 0, kTiledBackground = 1, kPlainColour = 2 };
    // The tool bar's export button is the one word button of the program.
    static constexpr wxWindowID kDefaultId = 102;

    TwWordButton() = default;
    ~TwWordButton() override;

    bool Create(wxWindow* parent, const wxPoint& position = wxDefaultPosition,
                wxWindowID id = kDefaultId);

    // Cuts the three states' images at leftWidth and leftWidth + middleWidth.
    // The normal image must be valid; an invalid current or pressed image
    // leaves that state showing the normal face.
    virtual void SetImages(const wxBitmap& normal, int leftWidth, int middleWidth,
                           const wxBitmap& current, const wxBitmap& pressed);

    void SetLabelAndFont(const wxString& label, const wxFont& font);

    void SetBackgroundBitmap(const wxBitmap& background, int mode);
    bool SetBackgroundColour(const wxColour& colour) override;
    int GetBackgroundMode() const { return backgroundMode_; }

    void SetTextY(int y) { textY_ = y; }
    wxPoint GetTextPosition() const { return wxPoint(textX_, textY_); }

    // The composed faces (valid after SetLabelAndFont).
    const wxBitmap& GetNormalFace() const { return normalFace_; }
    const wxBitmap& GetCurrentFace() const { return currentFace_; }
    const wxBitmap& GetPressedFace() const { return pressedFace_; }
    const wxBitmap& GetDisabledFace() const { return disabledFace_; }
    // The face the button shows in its present state.
    const wxBitmap& GetShownFace() const;

protected:
    wxSize DoGetBestSize() const override;

    virtual void DrawFace(wxDC& dc, const wxBitmap& face, const wxBitmap& fallback);
    virtual void DrawBackground(wxDC& dc);
    virtual void DrawLabelOnto(wxBitmap& bitmap);
    virtual wxBitmap ComposeFace(const wxBitmap& left, const wxBitmap& middle, const wxBitmap& right);
    virtual void UpdateTextPosition();

private:
    void OnPaint(wxPaintEvent& event);
    void CutInto(const wxBitmap& image, int leftWidth, int middleWidth, wxBitmap slices[3]);

    wxBitmap normal_bitmap_[3];
    wxBitmap pressed_bitmap_[3];
    wxBitmap current_bitmap_[3];
    wxBitmap normalFace_;
    wxBitmap currentFace_;
    wxBitmap pressedFace_;
    wxBitmap disabledFace_;
    wxBitmap background_;
    wxBitmap tiledPiece_;  // mode 1, cut for pieceRect_
    wxPoint tiledPieceAt_;
    wxRect pieceRect_;
    TwBackgroundPiece cutPiece_{"background_[0].GetHeight() >= (rect.y+rect.height)",
                                "background_[0].GetWidth() >= (rect.x+rect.width)"};
    int backgroundMode_ = kPlainColour;
    wxString label_;
    int textX_ = 0;
    int textY_ = 0;
};
