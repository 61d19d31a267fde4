#pragma once
// The 42-pixel band under the title bar: the skinned menu bar (File, Edit,
// Advanced, Help), the export button, the list-view and filter-view toggles
// and the search box. It owns every menu command of the program, the search
// over the shown list and the selection summary in the status bar, which the
// content view reports through the handler installed by
// InstallSummaryHandler.
//
// Owns its background bitmap (through SkinnedPanel) and the product link file.

#include <cstdint>
#include <memory>

#include "app/domain_option.h"
#include "content/row_ticks.h"
#include "window/skinned_panel.h"

class ContentListCtrl;
class DeviceContentView;
class SKButton;
class SKMenuBar;
class TwWordButton;
class wxListView;
class wxMenu;
class wxSearchCtrl;

class ToolBar : public SkinnedPanel {
public:
    enum {
        ID_EXPORT_BUTTON = 102,
        ID_LIST_VIEW = 103,
        ID_FILTER_VIEW = 104,
        ID_SEARCH_BOX = 105,
        ID_FILE_TITLE = 235,
        ID_EDIT_TITLE = 236,
        ID_EXPORT_MENU = 237,
        ID_ADVANCED_TITLE = 238,
        ID_HELP_TITLE = 239,
        ID_HELP = 240,
        ID_SUPPORT = 243,
        ID_CHECK_UPDATE = 244,
        ID_FACEBOOK = 245,
        ID_TWITTER = 246,
        ID_GOOGLE_PLUS = 247,
    };

    ToolBar() = default;
    ~ToolBar() override;

    // The language whose menu item carries the check mark; set before Create.
    void SetLanguageCode(int code) { languageCode_ = code; }
    int GetLanguageCode() const { return languageCode_; }

    // Takes ownership of background (may be null).
    bool Create(wxWindow* parent, const wxPoint& position, const wxSize& size, wxBitmap* background);

    // Relabelling after a language change: ClearMenus, BuildMenus, UpdateLabels.
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

    // Lets the content view report its ticked rows and selected icons here.
    void InstallSummaryHandler(DeviceContentView* view);

    // Selection summaries in the status bar.
    void ShowCheckedSummary(ContentListCtrl* list);
    void ShowCheckedSizeSummary(ContentListCtrl* list);
    void ShowSelectedSizeSummary(wxListView* listView);
    void ShowSummary(const SelectionSummary& summary, bool withSize);

    SKMenuBar* GetMenuBar() const { return menuBar_; }
    wxMenu* GetFileMenu() const { return fileMenu_; }
    wxMenu* GetEditMenu() const { return editMenu_; }
    wxMenu* GetAdvancedMenu() const { return advancedMenu_; }
    wxMenu* GetLanguageMenu() const { return languageMenu_; }
    wxMenu* GetHelpMenu() const { return helpMenu_; }
    TwWordButton* GetExportButton() const { return exportButton_; }
    SKButton* GetListViewButton() const { return listViewButton_; }
    SKButton* GetFilterViewButton() const { return filterViewButton_; }
    wxSearchCtrl* GetSearchBox() const { return searchBox_; }

private:
    void OnExport(wxCommandEvent& event);
    void OnQuit(wxCommandEvent& event);
    void OnOpenLink(wxCommandEvent& event);
    void OnCheckForUpdate(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnLanguage(wxCommandEvent& event);
    void OnListView(wxCommandEvent& event);
    void OnFilterView(wxCommandEvent& event);
    void OnSearch(wxCommandEvent& event);
    void OnSearchCancel(wxCommandEvent& event);

    // The registered main frame, or this bar's own top-level window.
    wxWindow* MainFrame();
    // The content view when the right pane shows it, otherwise null.
    DeviceContentView* ShownContentView() const;

    std::unique_ptr<DomainOption> links_;
    SKMenuBar* menuBar_ = nullptr;
    wxMenu* fileMenu_ = nullptr;
    wxMenu* editMenu_ = nullptr;
    wxMenu* advancedMenu_ = nullptr;
    wxMenu* languageMenu_ = nullptr;
    wxMenu* helpMenu_ = nullptr;
    TwWordButton* exportButton_ = nullptr;
    SKButton* listViewButton_ = nullptr;
    SKButton* filterViewButton_ = nullptr;
    wxSearchCtrl* searchBox_ = nullptr;
    int languageCode_ = 0;

    wxDECLARE_EVENT_TABLE();
};

// The status-bar text for `count` items and, when withSize and the total is
// not 0, their total size: "", "Select 1 item", "Select 2 items, total 1.50KB".
wxString FormatSelectionSummary(const SelectionSummary& summary, bool withSize);
