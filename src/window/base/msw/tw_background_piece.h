#pragma once
// The piece of a parent's background bitmap that lies behind a transparent
// static control. It is cut again only when the control has moved or changed
// size; otherwise each erase just draws the cached piece.

#include <wx/bitmap.h>
#include <wx/gdicmn.h>

class wxDC;

class TwBackgroundPiece {
public:
    // The checks name the background as its owner calls it.
    explicit TwBackgroundPiece(const char* heightCheck = "bg_->GetHeight() >= (rect.y+rect.height)",
                               const char* widthCheck = "bg_->GetWidth() >= (rect.x+rect.width)")
        : heightCheck_(heightCheck), widthCheck_(widthCheck)
    {
    }

    // Draws the piece of `background` under `rect` (the control's rectangle in
    // its parent) at the control's top-left; parts of the control beyond the
    // bitmap keep whatever was there.
    void Draw(wxDC& dc, const wxBitmap& background, const wxRect& rect);

    // The rectangle the piece was last cut for (empty before the first draw).
    const wxRect& GetRect() const { return rect_; }

    // Forgets the piece, so the next draw cuts it afresh.
    void Reset() { *this = TwBackgroundPiece(heightCheck_, widthCheck_); }

private:
    const char* heightCheck_;
    const char* widthCheck_;
    wxRect rect_;
    wxBitmap piece_;
    wxPoint at_;
    const void* cutFrom_ = nullptr;  // identity of the bitmap the piece came from
};
