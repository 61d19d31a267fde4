#include "window/base/tw_word_button.h"

#include <wx/dcbuffer.h>
#include <wx/dcmemory.h>

#include "common/image_util.h"
#include "common/runtime_check.h"

TwWordButton::~TwWordButton() = default;

bool TwWordButton::Create(wxWindow* parent, const wxPoint& position, wxWindowID id)
{
    if (!TwStateButton::Create(parent, id, position, wxDefaultSize, wxBORDER_NONE))
        return false;
    Bind(wxEVT_PAINT, &TwWordButton::OnPaint, this);
    return true;
}

void TwWordButton::CutInto(const wxBitmap& image, int leftWidth, int middleWidth, wxBitmap slices[3])
{
    const int rightX = leftWidth + middleWidth;
    slices[0] = CropBitmapStrip(image, 0, leftWidth);
    slices[1] = CropBitmapStrip(image, leftWidth, middleWidth);
    slices[2] = CropBitmapStrip(image, rightX, image.GetWidth() - rightX);
}

void TwWordButton::SetImages(const wxBitmap& normal, int leftWidth, int middleWidth,
                             const wxBitmap& current, const wxBitmap& pressed)
{
    RUNTIME_CHECK(normal.IsOk());
    CutInto(EnsureAlphaBitmap(normal), leftWidth, middleWidth, normal_bitmap_);
    if (current.IsOk())
        CutInto(current, leftWidth, middleWidth, current_bitmap_);
    if (pressed.IsOk())
        CutInto(pressed, leftWidth, middleWidth, pressed_bitmap_);
}

void TwWordButton::SetLabelAndFont(const wxString& label, const wxFont& font)
{
    label_ = label;
    SetLabel(label);
    SetFont(font);
    RUNTIME_CHECK(normal_bitmap_[0].IsOk());
    UpdateTextPosition();
    normalFace_ = ComposeFace(normal_bitmap_[0], normal_bitmap_[1], normal_bitmap_[2]);
    const wxSize size = normalFace_.GetSize();
    SetMinSize(size);
    SetSize(size);
    InvalidateBestSize();
    disabledFace_ = normalFace_.ConvertToDisabled(100);
    currentFace_ = current_bitmap_[0].IsOk()
                       ? ComposeFace(current_bitmap_[0], current_bitmap_[1], current_bitmap_[2])
                       : wxBitmap();
    pressedFace_ = pressed_bitmap_[0].IsOk()
                       ? ComposeFace(pressed_bitmap_[0], pressed_bitmap_[1], pressed_bitmap_[2])
                       : wxBitmap();
    Refresh(false);
}

void TwWordButton::SetBackgroundBitmap(const wxBitmap& background, int mode)
{
    background_ = background;
    backgroundMode_ = mode;
    pieceRect_ = wxRect();
    tiledPiece_ = wxBitmap();
    cutPiece_.Reset();
    Refresh(false);
}

bool TwWordButton::SetBackgroundColour(const wxColour& colour)
{
    backgroundMode_ = kPlainColour;
    return TwStateButton::SetBackgroundColour(colour);
}

wxSize TwWordButton::DoGetBestSize() const
{
    return normalFace_.IsOk() ? normalFace_.GetSize() : wxSize(0, 0);
}

void TwWordButton::UpdateTextPosition()
{
    textX_ = normal_bitmap_[0].GetWidth();
}

wxBitmap TwWordButton::ComposeFace(const wxBitmap& left, const wxBitmap& middle, const wxBitmap& right)
{
    const int labelWidth = GetTextExtent(label_).x;
    const int leftWidth = left.GetWidth();
    const int rightWidth = right.IsOk() ? right.GetWidth() : 0;

    const wxSize size(leftWidth + labelWidth + rightWidth, left.GetHeight());
    wxBitmap face = left.ConvertToImage().HasAlpha() ? TransparentBitmap(size) : wxBitmap(size);
    PasteBitmap(face, left, 0, 0);
    if (labelWidth > 0 && middle.IsOk()) {
        wxBitmap dest_center(labelWidth, middle.GetHeight());
        RUNTIME_CHECK(dest_center.IsOk());
        TileBitmap(middle, dest_center);
        PasteBitmap(face, dest_center, leftWidth, 0);
    }
    if (right.IsOk())
        PasteBitmap(face, right, leftWidth + labelWidth, 0);
    return face;
}

const wxBitmap& TwWordButton::GetShownFace() const
{
    switch (GetState()) {
    case kCurrent:
        return currentFace_.IsOk() ? currentFace_ : normalFace_;
    case kPressed:
        return pressedFace_.IsOk() ? pressedFace_ : normalFace_;
    case kDisabled:
        return disabledFace_.IsOk() ? disabledFace_ : normalFace_;
    default:
        return normalFace_;
    }
}

void TwWordButton::DrawFace(wxDC& dc, const wxBitmap& face, const wxBitmap& fallback)
{
    const wxBitmap& shown = face.IsOk() ? face : fallback;
    if (shown.IsOk())
        dc.DrawBitmap(shown, 0, 0, true);
}

void TwWordButton::DrawBackground(wxDC& dc)
{
    dc.SetPen(*wxTRANSPARENT_PEN);
    if (backgroundMode_ == kPlainColour || !background_.IsOk()) {
        dc.SetBrush(wxBrush(GetBackgroundColour()));
        dc.DrawRectangle(GetClientRect());
        return;
    }
    const wxRect rect = GetRect();
    if (backgroundMode_ == kCutBackground) {
        cutPiece_.Draw(dc, background_, rect);
        return;
    }
    if (rect != pieceRect_) {
        // The band tiled across the button's width, at the button's height in it.
        pieceRect_ = rect;
        const wxRect band(0, rect.y, rect.width, rect.height);
        const wxRect visible = band.Intersect(wxRect(0, 0, rect.width, background_.GetHeight()));
        tiledPiece_ = visible.IsEmpty() ? wxBitmap() : TiledPiece(background_, visible);
        tiledPieceAt_ = wxPoint(0, visible.y - band.y);
    }
    if (tiledPiece_.IsOk())
        dc.DrawBitmap(tiledPiece_, tiledPieceAt_, true);
}

void TwWordButton::DrawLabelOnto(wxBitmap& bitmap)
{
    wxMemoryDC dc(bitmap);
    dc.SetFont(GetFont());
    dc.SetTextForeground(GetForegroundColour());
    dc.SetBackgroundMode(wxTRANSPARENT);
    dc.DrawText(label_, textX_, textY_);
}

void TwWordButton::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    DrawBackground(dc);
    DrawFace(dc, GetShownFace(), normalFace_);
    dc.SetFont(GetFont());
    dc.SetTextForeground(GetForegroundColour());
    dc.SetBackgroundMode(wxTRANSPARENT);
    dc.DrawText(label_, textX_, textY_);
}
