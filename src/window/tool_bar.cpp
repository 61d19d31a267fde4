#include "window/tool_bar.h"

#include <wx/intl.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/splitter.h>
#include <wx/srchctrl.h>
#include <wx/utils.h>

#include "app/app_registry.h"
#include "app/face_options.h"
#include "app/language.h"
#include "app/product_paths.h"
#include "app/text_format.h"
#include "app/update_check.h"
#include "common/image_util.h"
#include "device/thread_events.h"
#include "window/about_dialog.h"
#include "window/base/sk_button.h"
#include "window/base/sk_menu_bar.h"
#include "window/base/tw_word_button.h"
#include "window/client/client.h"
#include "window/client/content_list_ctrl.h"
#include "window/client/content_list_model.h"
#include "window/client/device_content_view.h"
#include "window/client/picture_icon_view.h"
#include "window/client/right_pane.h"
#include "window/export_command.h"
#include "window/status_bar.h"

namespace {

constexpr int kSearchBoxWidth = 180;
const char* const kExportCrop = "/face/base-button/export-button-crop";

wxColour OpaqueFaceColour(const wxString& key)
{
    const wxColour colour = FindFaceColour(key);
    return wxColour(colour.Red(), colour.Green(), colour.Blue(), 255);
}

SKButton* NewToggle(ToolBar* parent, const char* name, int id)
{
    const wxString base = wxString("image/tool/") + name;
    return new SKButton(parent->GetOwnedBackground(), LoadThemeBitmap(base + "_normal.png"),
                        LoadThemeBitmap(base + "_hover.png"), LoadThemeBitmap(base + "_pressed.png"), parent, id);
}

} // namespace

wxBEGIN_EVENT_TABLE(ToolBar, SkinnedPanel)
    EVT_BUTTON(ToolBar::ID_EXPORT_BUTTON, ToolBar::OnExport)
    EVT_MENU(ToolBar::ID_EXPORT_MENU, ToolBar::OnExport)
    EVT_BUTTON(ToolBar::ID_LIST_VIEW, ToolBar::OnListView)
    EVT_BUTTON(ToolBar::ID_FILTER_VIEW, ToolBar::OnFilterView)
    EVT_SEARCHCTRL_SEARCH_BTN(ToolBar::ID_SEARCH_BOX, ToolBar::OnSearch)
    EVT_SEARCHCTRL_CANCEL_BTN(ToolBar::ID_SEARCH_BOX, ToolBar::OnSearchCancel)
    EVT_TEXT_ENTER(ToolBar::ID_SEARCH_BOX, ToolBar::OnSearch)
    EVT_TEXT(ToolBar::ID_SEARCH_BOX, ToolBar::OnSearch)
    EVT_MENU(wxID_EXIT, ToolBar::OnQuit)
    EVT_MENU(ToolBar::ID_HELP, ToolBar::OnOpenLink)
    EVT_MENU(ToolBar::ID_SUPPORT, ToolBar::OnOpenLink)
    EVT_MENU(ToolBar::ID_FACEBOOK, ToolBar::OnOpenLink)
    EVT_MENU(ToolBar::ID_TWITTER, ToolBar::OnOpenLink)
    EVT_MENU(ToolBar::ID_GOOGLE_PLUS, ToolBar::OnOpenLink)
    EVT_MENU(ToolBar::ID_CHECK_UPDATE, ToolBar::OnCheckForUpdate)
    EVT_MENU(wxID_ABOUT, ToolBar::OnAbout)
    EVT_MENU_RANGE(kLanguageChineseSimplified, kLanguageJapanese, ToolBar::OnLanguage)
wxEND_EVENT_TABLE()

ToolBar::~ToolBar() = default;

bool ToolBar::Create(wxWindow* parent, const wxPoint& position, const wxSize& size, wxBitmap* background)
{
    if (!CreatePanel(parent, wxID_ANY, position, size, wxTAB_TRAVERSAL | wxBORDER_NONE, background))
        return false;
    links_ = std::make_unique<DomainOption>(GetProductLinksPath());

    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    SetSizer(sizer);

    menuBar_ = new SKMenuBar(LoadThemeBitmap("image/tool/menu_bar_bg.png"), this, wxPoint(0, 0));
    BuildMenus();

    const FaceOption crop = FindFaceOption(kExportCrop);
    exportButton_ = new TwWordButton;
    exportButton_->Create(this, wxDefaultPosition, ID_EXPORT_BUTTON);
    exportButton_->SetImages(GetThemeBitmap("image/tool/export-normal.png"), crop.x, crop.width,
                             GetThemeBitmap("image/tool/export-current.png"),
                             GetThemeBitmap("image/tool/export-pressed.png"));
    exportButton_->SetBackgroundBitmap(GetThemeBitmap("image/tool/tool_bg.png"), TwWordButton::kTiledBackground);
    exportButton_->SetTextY(crop.y);
    exportButton_->SetForegroundColour(OpaqueFaceColour(wxString(kExportCrop) + "/textcolour"));

    listViewButton_ = NewToggle(this, "list_view", ID_LIST_VIEW);
    filterViewButton_ = NewToggle(this, "filter_view", ID_FILTER_VIEW);

    // GTK's default size leaves no room for the text beside the buttons.
    searchBox_ = new wxSearchCtrl(this, ID_SEARCH_BOX, wxEmptyString, wxDefaultPosition, wxSize(kSearchBoxWidth, -1),
                                  wxTE_PROCESS_ENTER);
    searchBox_->ShowSearchButton(true);
    searchBox_->ShowCancelButton(true);

    sizer->AddSpacer(20);
    sizer->Add(menuBar_, 0, wxALIGN_CENTER_VERTICAL);
    sizer->AddSpacer(70);
    sizer->Add(exportButton_, 0, wxALIGN_CENTER_VERTICAL);
    sizer->AddStretchSpacer(1);
    sizer->Add(listViewButton_, 0, wxALIGN_CENTER_VERTICAL);
    sizer->Add(filterViewButton_, 0, wxALIGN_CENTER_VERTICAL);
    sizer->AddSpacer(30);
    sizer->AddSpacer(30);
    sizer->Add(searchBox_, 0, wxALIGN_CENTER_VERTICAL);
    sizer->AddSpacer(10);

    UpdateLabels();
    return true;
}

void ToolBar::ClearMenus()
{
    if (menuBar_ != nullptr)
        menuBar_->ClearMenus();
    fileMenu_ = editMenu_ = advancedMenu_ = languageMenu_ = helpMenu_ = nullptr;
    RegisterEditMenu(nullptr);
}

void ToolBar::BuildMenus()
{
    const wxColour normal = OpaqueFaceColour("/face/menu/text-normal-colour");
    const wxColour current = OpaqueFaceColour("/face/menu/text-current-colour");

    fileMenu_ = new wxMenu;
    fileMenu_->Append(wxID_EXIT, _("Quit"));
    menuBar_->AddMenu(ID_FILE_TITLE, fileMenu_, _("File"), normal, current);

    editMenu_ = new wxMenu;
    editMenu_->Append(ID_EXPORT_MENU, _("Export"));
    RegisterEditMenu(editMenu_);
    menuBar_->AddMenu(ID_EDIT_TITLE, editMenu_, _("Edit"), normal, current);

    advancedMenu_ = new wxMenu;
    languageMenu_ = new wxMenu;
    const LanguageEntry* entries = GetLanguageEntries();
    for (int i = 0; i < GetLanguageEntryCount(); ++i) {
        // Each language is named in its own tongue, whatever the interface language.
        wxMenuItem* item = languageMenu_->AppendRadioItem(entries[i].code, wxString::FromUTF8(entries[i].label));
        item->Check(entries[i].code == languageCode_);
    }
    advancedMenu_->AppendSubMenu(languageMenu_, _("Language"));
    menuBar_->AddMenu(ID_ADVANCED_TITLE, advancedMenu_, _("Advanced"), normal, current);

    helpMenu_ = new wxMenu;
    helpMenu_->Append(ID_HELP, _("Help"));
    helpMenu_->AppendSeparator();
    helpMenu_->Append(ID_SUPPORT, _("Support Center"));
    helpMenu_->AppendSeparator();
    helpMenu_->Append(ID_CHECK_UPDATE, _("Check for Update"));
    helpMenu_->AppendSeparator();
    helpMenu_->Append(wxID_ABOUT, _("About"));
    helpMenu_->AppendSeparator();
    if (!links_->GetFacebookUrl().empty())
        helpMenu_->Append(ID_FACEBOOK, _("Visit us on Facebook"));
    if (!links_->GetTwitterUrl().empty())
        helpMenu_->Append(ID_TWITTER, _("Follow us on Twitter"));
    if (!links_->GetGooglePlusUrl().empty())
        helpMenu_->Append(ID_GOOGLE_PLUS, _("Follow us on Google+"));
    menuBar_->AddMenu(ID_HELP_TITLE, helpMenu_, _("Help"), normal, current);

    menuBar_->Refresh(true);
}

void ToolBar::UpdateLabels()
{
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    const int points = FindFaceOption(wxString(kExportCrop) + "/font").height;
    if (points > 0)
        font.SetPointSize(points);
    exportButton_->SetLabelAndFont(_("Export"), font);
    exportButton_->SetToolTip(_("Export Checked"));
    filterViewButton_->SetToolTip(_("Filter View"));
    listViewButton_->SetToolTip(_("List View"));
    // The word is a hint inside the box, not its text: as text it would
    // filter the shown list by "Search" and empty it.
    searchBox_->ChangeValue(wxEmptyString);
    searchBox_->SetDescriptiveText(_("Search"));
    Layout();
}

void ToolBar::EnableCommands(bool enable)
{
    const auto enableIn = [enable](wxMenu* menu, int id) {
        if (menu != nullptr && menu->FindItem(id) != nullptr)
            menu->Enable(id, enable);
    };
    enableIn(fileMenu_, wxID_EXIT);
    enableIn(editMenu_, ID_EXPORT_MENU);
    const LanguageEntry* entries = GetLanguageEntries();
    for (int i = 0; i < GetLanguageEntryCount(); ++i)
        enableIn(languageMenu_, entries[i].code);
    enableIn(helpMenu_, wxID_ABOUT);
    enableIn(helpMenu_, ID_CHECK_UPDATE);
}

void ToolBar::EnableButtons()
{
    exportButton_->Enable(true);
    listViewButton_->Enable(true);
    filterViewButton_->Enable(true);
}

void ToolBar::DisableButtons()
{
    exportButton_->Enable(false);
    listViewButton_->Enable(false);
    filterViewButton_->Enable(false);
}

void ToolBar::EnableSearchBox(bool enable)
{
    searchBox_->Enable(enable);
}

void ToolBar::InstallSummaryHandler(DeviceContentView* view)
{
    if (view == nullptr)
        return;
    view->SetSummaryHandler(
        [this](wxWindow*, const SelectionSummary& summary, bool withSize) { ShowSummary(summary, withSize); });
}

void ToolBar::ShowCheckedSummary(ContentListCtrl* list)
{
    if (list != nullptr)
        ShowSummary(list->Model().Ticks().Summary(), false);
}

void ToolBar::ShowCheckedSizeSummary(ContentListCtrl* list)
{
    if (list != nullptr)
        ShowSummary(list->Model().Ticks().Summary(), true);
}

void ToolBar::ShowSelectedSizeSummary(wxListView* listView)
{
    if (auto* icons = dynamic_cast<PictureIconView*>(listView))
        ShowSummary(icons->SelectedSummary(), true);
}

void ToolBar::ShowSummary(const SelectionSummary& summary, bool withSize)
{
    if (auto* statusBar = FindRegistered<StatusBar>(kStatusBarSlot))
        statusBar->SetStatusText(FormatSelectionSummary(summary, withSize));
}

wxString FormatSelectionSummary(const SelectionSummary& summary, bool withSize)
{
    wxString text;
    if (summary.count == 1)
        text = wxString::Format(_("Select %d item"), 1);
    else if (summary.count > 1)
        text = wxString::Format(_("Select %d items"), static_cast<int>(summary.count));
    if (summary.count > 0 && withSize && summary.totalSize != 0)
        text += wxString::Format(_(", total %s"), FormatSize(summary.totalSize));
    return text;
}

void ToolBar::OnExport(wxCommandEvent&)
{
    RunExportCommand(MainFrame());
}

void ToolBar::OnQuit(wxCommandEvent&)
{
    if (wxWindow* frame = MainFrame())
        frame->Close(false);
}

void ToolBar::OnOpenLink(wxCommandEvent& event)
{
    wxString address;
    switch (event.GetId()) {
    case ID_HELP: address = links_->GetHelpUrl(); break;
    case ID_SUPPORT: address = links_->GetSupportUrl(); break;
    case ID_FACEBOOK: address = links_->GetFacebookUrl(); break;
    case ID_TWITTER: address = links_->GetTwitterUrl(); break;
    case ID_GOOGLE_PLUS: address = links_->GetGooglePlusUrl(); break;
    default: return;
    }
    if (!address.empty())
        wxLaunchDefaultBrowser(address);
}

void ToolBar::OnCheckForUpdate(wxCommandEvent&)
{
    CheckForUpdate();
}

void ToolBar::OnAbout(wxCommandEvent&)
{
    AboutDialog dialog;
    if (CreateAboutDialog(dialog))
        dialog.ShowModal();
}

void ToolBar::OnLanguage(wxCommandEvent& event)
{
    const int code = IsOfferedLanguage(event.GetId()) ? event.GetId() : kLanguageDefault;
    if (languageMenu_ != nullptr && languageMenu_->FindItem(languageCode_) != nullptr)
        languageMenu_->Check(languageCode_, false);
    languageCode_ = code;
    // The main frame saves the language and relabels every part, this bar included.
    wxWindow* top = MainFrame();
    auto* change = new wxCommandEvent(EVT_LANGUAGE_CHANGED);
    change->SetInt(code);
    wxQueueEvent(top, change);
}

wxWindow* ToolBar::MainFrame()
{
    wxWindow* frame = GetRegisteredWindow(kMainFrameSlot);
    return frame != nullptr ? frame : wxGetTopLevelParent(this);
}

DeviceContentView* ToolBar::ShownContentView() const
{
    auto* rightPane = FindRegistered<RightPane>(kRightPaneSlot);
    if (rightPane == nullptr || rightPane->GetShownView() != RightPane::kDeviceContent)
        return nullptr;
    return rightPane->GetDeviceContentView();
}

void ToolBar::OnListView(wxCommandEvent&)
{
    DeviceContentView* view = ShownContentView();
    if (view == nullptr)
        return;
    switch (view->ShownSubView()) {
    case DeviceContentView::kMediaPanel:
        if (auto* splitter = FindRegistered<wxSplitterWindow>(kMediaSplitterSlot); splitter && splitter->IsSplit())
            splitter->Unsplit(FindRegistered<wxWindow>(kFilterPanelSlot));
        break;
    case DeviceContentView::kCameraRollIcons:
        view->SwitchView(DeviceContentView::kCameraRollList);
        ShowCheckedSizeSummary(view->GetCameraRollList());
        break;
    case DeviceContentView::kPhotoIcons:
        view->SwitchView(DeviceContentView::kPhotoList);
        ShowCheckedSizeSummary(view->GetPhotoList());
        break;
    default:
        break;
    }
}

void ToolBar::OnFilterView(wxCommandEvent&)
{
    DeviceContentView* view = ShownContentView();
    if (view == nullptr)
        return;
    switch (view->ShownSubView()) {
    case DeviceContentView::kMediaPanel: {
        auto* splitter = FindRegistered<wxSplitterWindow>(kMediaSplitterSlot);
        auto* filterPanel = FindRegistered<wxWindow>(kFilterPanelSlot);
        if (splitter != nullptr && filterPanel != nullptr && !splitter->IsSplit()) {
            filterPanel->Show();
            splitter->SplitHorizontally(filterPanel, view->GetMediaList(),
                                        static_cast<int>(splitter->GetSize().y * 0.4));
            splitter->SetSashGravity(0.4);
            splitter->SetMinimumPaneSize(1);
        }
        break;
    }
    case DeviceContentView::kCameraRollList:
        view->SwitchView(DeviceContentView::kCameraRollIcons);
        ShowSelectedSizeSummary(view->GetCameraRollIconView());
        break;
    case DeviceContentView::kPhotoList:
        view->SwitchView(DeviceContentView::kPhotoIcons);
        ShowSelectedSizeSummary(view->GetPhotoIconView());
        break;
    default:
        break;
    }
}

void ToolBar::OnSearch(wxCommandEvent&)
{
    if (DeviceContentView* view = ShownContentView())
        view->Search(searchBox_->GetValue());
}

void ToolBar::OnSearchCancel(wxCommandEvent&)
{
    searchBox_->Clear();
}
