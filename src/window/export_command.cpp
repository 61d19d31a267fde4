#include "window/export_command.h"

#include <memory>
#include <utility>

#include <wx/dirdlg.h>
#include <wx/intl.h>
#include <wx/treectrl.h>

#include "app/app_registry.h"
#include "device/do_export_device_file.h"
#include "device/export_catalog_info.h"
#include "device/html_export.h"
#include "content/media_rows.h"
#include "content/picture_icon_view_data.h"
#include "device/html_export_request.h"
#include "window/client/content_list_ctrl.h"
#include "window/client/content_list_model.h"
#include "window/client/device_content_view.h"
#include "window/client/left_pane.h"
#include "window/client/navigation_tree_ctrl_data.h"
#include "window/client/picture_icon_view.h"
#include "window/client/right_pane.h"
#include "window/tw_progress_dialog.h"

namespace {

wxString AskFolderOnScreen(wxWindow* parent)
{
    wxDirDialog dialog(parent, _("Choose a folder to export to"), wxEmptyString,
                       wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    return dialog.ShowModal() == wxID_OK ? dialog.GetPath() : wxString();
}

ExportFolderChooser& FolderChooser()
{
    static ExportFolderChooser chooser = AskFolderOnScreen;
    return chooser;
}

wxString ForwardSlashes(wxString path)
{
    path.Replace("\\", "/");
    return path;
}

// The list of the shown sub-view, or null (icon views and the message display
// are not lists).
ContentListCtrl* ShownList(DeviceContentView* view)
{
    switch (view->ShownSubView()) {
    case DeviceContentView::kMediaPanel: return view->GetMediaList();
    case DeviceContentView::kCameraRollList: return view->GetCameraRollList();
    case DeviceContentView::kPhotoList: return view->GetPhotoList();
    case DeviceContentView::kContacts: return view->GetContactList();
    case DeviceContentView::kMessagePanel: return view->GetMessageList();
    case DeviceContentView::kNotes: return view->GetNoteList();
    case DeviceContentView::kBookmarks: return view->GetBookmarkList();
    default: return nullptr;
    }
}

PictureIconView* ShownIconView(DeviceContentView* view)
{
    switch (view->ShownSubView()) {
    case DeviceContentView::kCameraRollIcons: return view->GetCameraRollIconView();
    case DeviceContentView::kPhotoIcons: return view->GetPhotoIconView();
    default: return nullptr;
    }
}

int HtmlKindOf(ContentList list)
{
    switch (list) {
    case ContentList::Contacts: return kHtmlContacts;
    case ContentList::Conversations: return kHtmlMessages;
    case ContentList::Notes: return kHtmlNotes;
    case ContentList::Bookmarks: return kHtmlBookmarks;
    default: return -1;
    }
}

void RunBehindProgressDialog(wxWindow* parent, TwProgressDialog::Starter starter)
{
    TwProgressDialog dialog(parent, _("Export"));
    dialog.SetStarter(std::move(starter));
    dialog.ShowModal();
}

std::unique_ptr<ExportCatalogInfo> ListItems(const ContentListCtrl& list)
{
    auto request = std::make_unique<ExportCatalogInfo>();
    const ContentListModel& model = list.Model();
    for (unsigned row : ExportRowsOf(list)) {
        const ContentRow& shown = model.ShownRow(row);
        request->AddItem(shown.path, shown.texts[0]);
    }
    return request;
}

// The selected pictures, or every picture when none is selected.
std::unique_ptr<ExportCatalogInfo> IconItems(const PictureIconView& icons)
{
    auto request = std::make_unique<ExportCatalogInfo>();
    const bool selectedOnly = icons.GetSelectedItemCount() > 0;
    for (long item = 0; item < icons.GetItemCount(); ++item) {
        const PictureIconViewData* record = icons.Record(item);
        if (record != nullptr && (!selectedOnly || icons.IsSelected(item)))
            request->AddItem(record->path, record->name);
    }
    return request;
}

// Every song of the device, for the device summary: the music node's rows.
std::unique_ptr<ExportCatalogInfo> AllMusic()
{
    auto request = std::make_unique<ExportCatalogInfo>();
    auto* leftPane = FindRegistered<LeftPane>(kLeftPaneSlot);
    const wxTreeItemId music = leftPane != nullptr ? leftPane->GetCategoryNode(0) : wxTreeItemId();
    if (!music.IsOk())
        return request;
    const auto* data = static_cast<const NavigationTreeCtrlData*>(leftPane->GetNavigationTree()->GetItemData(music));
    if (data == nullptr || data->content == nullptr)
        return request;
    for (const ContentRow& row : BuildMediaRows(data->kind, static_cast<plist_t>(data->content)))
        request->AddItem(row.path, row.texts[0]);
    return request;
}

void RunFileExport(wxWindow* parent, std::unique_ptr<ExportCatalogInfo> request, const wxString& folder)
{
    if (request->items.empty())
        return;
    request->destination = ForwardSlashes(folder);
    RunBehindProgressDialog(parent, [&request](ExportProgressSink& sink) {
        request->progressDialog = &sink;
        LaunchFileExport(std::move(request));
    });
}

void RunHtmlExport(wxWindow* parent, const ContentListCtrl& list, int kind, const wxString& folder)
{
    const ContentListModel& model = list.Model();
    // The page reads the records from here until the export has ended, which
    // is before the dialog's modal loop returns.
    std::vector<const void*> records;
    for (size_t row = 0; row < model.ShownCount(); ++row)
        records.push_back(model.ShownRow(row).rowRecord);
    auto request = std::make_unique<HtmlExportRequest>();
    request->records = &records;
    request->destination = ForwardSlashes(folder);
    request->kind = kind;
    request->rowIndexes = ExportRowsOf(list);
    RunBehindProgressDialog(parent, [&request](ExportProgressSink& sink) {
        request->progressDialog = &sink;
        LaunchHtmlExport(std::move(request));
    });
}

} // namespace

ScopedExportFolderChooser::ScopedExportFolderChooser(ExportFolderChooser chooser)
    : previous_(std::exchange(FolderChooser(), std::move(chooser)))
{
}

ScopedExportFolderChooser::~ScopedExportFolderChooser()
{
    FolderChooser() = std::move(previous_);
}

std::vector<unsigned> ExportRowsOf(const ContentListCtrl& list)
{
    const ContentListModel& model = list.Model();
    std::vector<unsigned> ticked;
    std::vector<unsigned> all;
    for (size_t row = 0; row < model.ShownCount(); ++row) {
        all.push_back(static_cast<unsigned>(row));
        if (model.Ticks().IsTicked(row))
            ticked.push_back(static_cast<unsigned>(row));
    }
    return ticked.empty() ? all : ticked;
}

void RunExportCommand(wxWindow* parent)
{
    auto* rightPane = FindRegistered<RightPane>(kRightPaneSlot);
    if (rightPane == nullptr)
        return;
    if (rightPane->GetShownView() == RightPane::kDeviceInfo) {
        std::unique_ptr<ExportCatalogInfo> music = AllMusic();
        if (music->items.empty())
            return;
        const wxString folder = FolderChooser()(parent);
        if (!folder.empty())
            RunFileExport(parent, std::move(music), folder);
        return;
    }
    if (rightPane->GetShownView() != RightPane::kDeviceContent)
        return;
    DeviceContentView* view = rightPane->GetDeviceContentView();
    if (view == nullptr)
        return;
    PictureIconView* icons = ShownIconView(view);
    ContentListCtrl* list = ShownList(view);
    if (icons != nullptr ? icons->GetItemCount() == 0 : list == nullptr || list->Model().ShownCount() == 0)
        return;
    const wxString folder = FolderChooser()(parent);
    if (folder.empty())
        return;
    if (icons != nullptr) {
        RunFileExport(parent, IconItems(*icons), folder);
        return;
    }
    const int htmlKind = HtmlKindOf(list->Model().List());
    if (htmlKind >= 0)
        RunHtmlExport(parent, *list, htmlKind, folder);
    else
        RunFileExport(parent, ListItems(*list), folder);
}
