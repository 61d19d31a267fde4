#include "window/client/placeholder_content_view.h"

#include <wx/sizer.h>

#include "common/image_util.h"

PlaceholderContentView::PlaceholderContentView(wxWindow* parent, wxBitmap* background)
{
    if (!CreatePanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE,
                     background))
        return;
    sizer_ = new wxBoxSizer(wxVERTICAL);
    SetSizer(sizer_);
    for (wxWindow*& panel : panels_) {
        auto* page = new SkinnedPanel;
        page->CreatePanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE,
                          LoadThemeBitmap("image/client/client_bg.png"));
        sizer_->Add(page, 1, wxEXPAND);
        sizer_->Hide(page);
        panel = page;
    }
}

void PlaceholderContentView::SwitchView(int index)
{
    if (sizer_ == nullptr)
        return;
    for (int i = 0; i < kPanelCount; ++i)
        sizer_->Show(panels_[i], i == index);
    Layout();
}

int PlaceholderContentView::GetShownPanel() const
{
    for (int i = 0; i < kPanelCount; ++i) {
        if (panels_[i] != nullptr && panels_[i]->IsShown())
            return i;
    }
    return -1;
}

wxWindow* PlaceholderContentView::GetPanel(int index) const
{
    return index >= 0 && index < kPanelCount ? panels_[index] : nullptr;
}
