#pragma once
// Stands in for the content view (views 2 to 11 of the right pane) until the
// content-view work replaces it: nine empty panels on the client background,
// one per sub-view (0 media, 1 camera-roll icons, 2 camera-roll list,
// 3 photo icons, 4 photo list, 5 contacts, 6 messages, 7 notes,
// 8 bookmarks), of which SwitchView shows one.

#include "window/skinned_panel.h"

class wxBoxSizer;

class PlaceholderContentView : public SkinnedPanel {
public:
    static constexpr int kPanelCount = 9;

    // Takes ownership of background (may be null).
    PlaceholderContentView(wxWindow* parent, wxBitmap* background);

    // Shows sub-view `index` and hides the other eight; another index hides all.
    void SwitchView(int index);
    // The sub-view shown, -1 before the first SwitchView.
    int GetShownPanel() const;
    wxWindow* GetPanel(int index) const;

private:
    wxBoxSizer* sizer_ = nullptr;
    wxWindow* panels_[kPanelCount] = {};
};
