#include "window/skinned_panel.h"

bool SkinnedPanel::CreatePanel(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size,
                               long style, wxBitmap* background)
{
    std::unique_ptr<wxBitmap> owned(background);
    if (!Create(parent, id, position, size, style))
        return false;
    SetOwnedBackground(owned.release());
    return true;
}

void SkinnedPanel::SetOwnedBackground(wxBitmap* background)
{
    background_.reset(background);
    if (background_ && background_->IsOk())
        SetBackgroundBitmap(*background_);
}
