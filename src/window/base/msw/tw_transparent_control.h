#pragma once
// Makes a self-drawn static control look transparent on a skinned parent: as
// its background it draws the exact piece of the parent's background bitmap
// that lies behind it, then the control draws its text or picture over that.
//
// GTK has no control-colour hook through which a native static control could
// be told to draw on a transparent brush, so the controls are built on the
// toolkit's generic (self-drawn) classes, which paint their text in the
// control's foreground colour without filling a background of their own.
//
// The background bitmap belongs to the parent and must outlive the control.

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/event.h>

#include "window/base/msw/tw_background_piece.h"

template <class Control>
class TwTransparentControl : public Control {
public:
    // The parent's background; null leaves the erasing to the toolkit.
    void SetBackgroundBitmap(const wxBitmap* background)
    {
        bg_ = background;
        this->Refresh();
    }
    const wxBitmap* GetBackgroundBitmap() const { return bg_; }

    bool HasTransparentBackground() override { return true; }

    // The rectangle the cached background piece was cut for.
    const wxRect& GetBackgroundPieceRect() const { return piece_.GetRect(); }

protected:
    TwTransparentControl()
    {
        this->SetBackgroundStyle(wxBG_STYLE_ERASE);
        this->Bind(wxEVT_ERASE_BACKGROUND, &TwTransparentControl::OnEraseBackground, this);
    }

private:
    void OnEraseBackground(wxEraseEvent& event)
    {
        if (bg_ == nullptr || !bg_->IsOk() || event.GetDC() == nullptr) {
            event.Skip();
            return;
        }
        piece_.Draw(*event.GetDC(), *bg_, this->GetRect());
    }

    const wxBitmap* bg_ = nullptr;
    TwBackgroundPiece piece_;
};
