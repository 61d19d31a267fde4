#pragma once
// The 42-pixel band under the title bar. For now it is the empty band of the
// right height: the menus, the export button, the view toggles and the search
// box come with the tool-bar work, which fills in the operations below. Until
// then they do nothing, because there is nothing to enable or summarise.
// Owns its background bitmap.

#include "window/skinned_panel.h"

class wxListView;
class wxDataViewListCtrl;

class ToolBar : public SkinnedPanel {
public:
    ToolBar() = default;

    // The language whose menu item carries the check mark; set before Create.
    void SetLanguageCode(int code) { languageCode_ = code; }
    int GetLanguageCode() const { return languageCode_; }

    // Takes ownership of background (may be null).
    bool Create(wxWindow* parent, const wxPoint& position, const wxSize& size, wxBitmap* background);

    // Relabelling after a language change.
    void ClearMenus();
    void BuildMenus();
    void UpdateLabels();

    // The device commands of the menus (Quit, Export, the languages, About,
    // Check for Update), disabled while a detection runs.
    void EnableCommands(bool enable);
    // Export button and both view toggles on; DisableButtons turns them off.
    void EnableButtons();
    void DisableButtons();
    void EnableSearchBox(bool enable);

    // Selection summaries in the status bar.
    void ShowCheckedSummary(wxDataViewListCtrl* list);
    void ShowCheckedSizeSummary(wxDataViewListCtrl* list);
    void ShowSelectedSizeSummary(wxListView* listView);

private:
    int languageCode_ = 0;
};
