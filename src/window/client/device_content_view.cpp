#include "window/client/device_content_view.h"

#include <wx/dataview.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/splitter.h>

#include "app/app_registry.h"
#include "app/trace.h"
#include "content/content_kind.h"
#include "content/list_columns.h"
#include "content/media_filter.h"
#include "content/media_rows.h"
#include "content/picture_rows.h"
#include "content/record_rows.h"
#include "window/client/content_list_ctrl.h"
#include "window/client/picture_icon_view.h"
#include "window/client/tw_kind_message_window.h"

namespace {

constexpr double kSashGravity = 0.4;

FilterColumn FilterColumnOf(wxWindowID id)
{
    if (id == DeviceContentView::ID_ARTIST_FILTER)
        return FilterColumn::Artist;
    if (id == DeviceContentView::ID_ALBUM_FILTER)
        return FilterColumn::Album;
    return FilterColumn::Genre;
}

wxDataViewListCtrl* CreateFilterList(wxWindow* parent, wxWindowID id)
{
    auto* list = new wxDataViewListCtrl(parent, id, wxDefaultPosition, wxDefaultSize,
                                        wxDV_SINGLE | wxDV_ROW_LINES);
    const ListColumn column = FilterListColumn(FilterColumnOf(id));
    list->AppendTextColumn(column.title, wxDATAVIEW_CELL_INERT, column.width, column.headerAlignment,
                           wxDATAVIEW_COL_RESIZABLE);
    return list;
}

std::vector<ContentRow> PictureContentRows(int kind, plist_t category)
{
    std::vector<PictureRow> pictures = BuildPictureRows(category);
    std::vector<ContentRow> rows(pictures.size());
    for (size_t i = 0; i < pictures.size(); ++i) {
        for (int text = 0; text < 3; ++text)
            rows[i].texts[text] = pictures[i].texts[text];
        rows[i].kind = kind;
        rows[i].size = pictures[i].record.size;
        rows[i].path = pictures[i].record.path;
    }
    return rows;
}

} // namespace

DeviceContentView::DeviceContentView(wxBitmap* backgroundImage, wxWindow* parent, const wxPoint& position,
                                     const wxSize& size)
    : background(backgroundImage)
{
    Create(parent, wxID_ANY, position, size, wxTAB_TRAVERSAL | wxBORDER_NONE);
    if (background && background->IsOk())
        SetBackgroundBitmap(*background);
    SetSizer(new wxBoxSizer(wxVERTICAL));

    CreateMediaPanel();
    cameraRollIconView = new PictureIconView(this, ID_CAMERA_ROLL_ICONS);
    AddSubView(kCameraRollIcons, cameraRollIconView);
    cameraRollList = new ContentListCtrl(this, ID_CAMERA_ROLL_LIST, ContentList::Pictures);
    AddSubView(kCameraRollList, cameraRollList);
    photoIconView = new PictureIconView(this, ID_PHOTO_ICONS);
    AddSubView(kPhotoIcons, photoIconView);
    photoList = new ContentListCtrl(this, ID_PHOTO_LIST, ContentList::Pictures);
    AddSubView(kPhotoList, photoList);
    contactList = new ContentListCtrl(this, ID_CONTACT_LIST, ContentList::Contacts);
    AddSubView(kContacts, contactList);
    CreateMessagePanel();
    noteList = new ContentListCtrl(this, ID_NOTE_LIST, ContentList::Notes);
    AddSubView(kNotes, noteList);
    bookmarkList = new ContentListCtrl(this, ID_BOOKMARK_LIST, ContentList::Bookmarks);
    AddSubView(kBookmarks, bookmarkList);

    Bind(wxEVT_DATAVIEW_COLUMN_HEADER_CLICK, &DeviceContentView::OnHeaderClick, this, ID_MEDIA_LIST,
         ID_BOOKMARK_LIST);
    Bind(wxEVT_DATAVIEW_ITEM_VALUE_CHANGED, &DeviceContentView::OnCheckChanged, this, ID_MEDIA_LIST,
         ID_BOOKMARK_LIST);
    Bind(wxEVT_LIST_ITEM_SELECTED, &DeviceContentView::OnIconSelectionChanged, this, ID_CAMERA_ROLL_ICONS,
         ID_PHOTO_ICONS);
    Bind(wxEVT_LIST_ITEM_DESELECTED, &DeviceContentView::OnIconSelectionChanged, this, ID_CAMERA_ROLL_ICONS,
         ID_PHOTO_ICONS);
    Bind(wxEVT_DATAVIEW_SELECTION_CHANGED, &DeviceContentView::OnConversationSelected, this,
         ID_CONVERSATION_LIST);
    Bind(wxEVT_DATAVIEW_SELECTION_CHANGED, &DeviceContentView::OnFilterSelectionChanged, this, ID_GENRE_FILTER,
         ID_ALBUM_FILTER);

    RegisterWindows();
    UpdateTexts();
}

void DeviceContentView::RegisterWindows()
{
    RegisterWindow(kMediaSplitterSlot, mediaSplitter);
    RegisterWindow(kFilterPanelSlot, filterPanel);
    RegisterWindow(kGenreListSlot, genreList);
    RegisterWindow(kArtistListSlot, artistList);
    RegisterWindow(kAlbumListSlot, albumList);
    RegisterWindow(kMediaListSlot, mediaList);
    RegisterWindow(kCameraRollListSlot, cameraRollList);
    RegisterWindow(kCameraRollIconViewSlot, cameraRollIconView);
    RegisterWindow(kPhotoListSlot, photoList);
    RegisterWindow(kPhotoIconViewSlot, photoIconView);
    RegisterWindow(kContactListSlot, contactList);
    RegisterWindow(kMessageListSlot, messageList);
    RegisterWindow(kMessageWindowSlot, messageWindow);
    RegisterWindow(kNoteListSlot, noteList);
    RegisterWindow(kBookmarkListSlot, bookmarkList);
}

void DeviceContentView::AddSubView(int index, wxWindow* window)
{
    subViews[index] = window;
    GetSizer()->Add(window, 1, wxEXPAND);
    window->Hide();
}

void DeviceContentView::CreateMediaPanel()
{
    mediaSplitter = new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSP_3D,
                                         "splitter");
    filterPanel = new wxPanel(mediaSplitter, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                              wxTAB_TRAVERSAL | wxBORDER_NONE);
    auto* filters = new wxGridSizer(3, 0, 0);
    genreList = CreateFilterList(filterPanel, ID_GENRE_FILTER);
    artistList = CreateFilterList(filterPanel, ID_ARTIST_FILTER);
    albumList = CreateFilterList(filterPanel, ID_ALBUM_FILTER);
    for (wxDataViewListCtrl* list : {genreList, artistList, albumList})
        filters->Add(list, 1, wxEXPAND);
    filterPanel->SetSizer(filters);
    mediaList = new ContentListCtrl(mediaSplitter, ID_MEDIA_LIST, ContentList::Media);
    mediaSplitter->SplitHorizontally(filterPanel, mediaList);
    mediaSplitter->SetSashGravity(kSashGravity);
    mediaSplitter->SetMinimumPaneSize(1);
    mediaSplitter->SetMinSize(wxSize(0, 0));
    AddSubView(kMediaPanel, mediaSplitter);
}

void DeviceContentView::CreateMessagePanel()
{
    messageSplitter = new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSP_3D,
                                           "splitter");
    messageWindow = new TwKindMessageWindow(messageSplitter);
    messageList = new ContentListCtrl(messageSplitter, ID_CONVERSATION_LIST, ContentList::Conversations);
    messageSplitter->SplitHorizontally(messageWindow, messageList);
    messageSplitter->SetSashGravity(kSashGravity);
    messageSplitter->SetMinimumPaneSize(1);
    messageSplitter->SetMinSize(wxSize(0, 0));
    AddSubView(kMessagePanel, messageSplitter);
}

void DeviceContentView::UpdateTexts()
{
    for (ContentListCtrl* list :
         {mediaList, cameraRollList, photoList, contactList, messageList, noteList, bookmarkList})
        list->UpdateTexts();
    for (wxDataViewListCtrl* list : {genreList, artistList, albumList})
        list->GetColumn(0)->SetTitle(FilterListColumn(FilterColumnOf(list->GetId())).title);
}

void DeviceContentView::SwitchView(int index)
{
    if (index < 0 || index >= kSubViewCount)
        return;
    for (wxWindow* subView : subViews)
        subView->Hide();
    subViews[index]->Show();
    shownSubView = index;
    Layout();
    if (index == kMediaPanel)
        mediaSplitter->SetSashPosition(static_cast<int>(mediaSplitter->GetSize().GetHeight() * kSashGravity));
}

// Loading ------------------------------------------------------------------

void DeviceContentView::ShowMediaRows(std::vector<ContentRow> rows, int kind)
{
    reloading = true;
    auto shown = std::make_shared<const ContentListModel::Rows>(rows);
    publicListViewCopy.Assign(ContentList::Media, TypeIconPath(kind), std::move(rows));
    mediaList->Load(std::move(shown), TypeIconPath(kind));
    for (wxDataViewListCtrl* list : {genreList, artistList, albumList})
        FillFilterList(list);
    reloading = false;
}

void DeviceContentView::LoadMediaRows(int kind, plist_t category)
{
    ShowMediaRows(BuildMediaRows(kind, category), kind);
}

void DeviceContentView::LoadBookRows(int kind, plist_t content)
{
    ShowMediaRows(BuildBookRows(kind, content), kind);
}

void DeviceContentView::LoadPlaylistRows(int kind, plist_t content)
{
    ShowMediaRows(BuildPlaylistRows(kind, content), kind);
}

void DeviceContentView::LoadVoiceMemoRows(plist_t category)
{
    ShowMediaRows(BuildVoiceMemoRows(category), kKindVoiceMemos);
}

void DeviceContentView::ShowRecordRows(ContentListCtrl* list, ContentList kind, std::vector<ContentRow> rows,
                                       int typeKind)
{
    reloading = true;
    auto shown = std::make_shared<const ContentListModel::Rows>(rows);
    publicListViewCopy.Assign(kind, TypeIconPath(typeKind), std::move(rows));
    list->Load(std::move(shown), TypeIconPath(typeKind));
    reloading = false;
}

void DeviceContentView::LoadContactRows(const std::vector<HandoverContact*>& sortedContacts)
{
    ShowRecordRows(contactList, ContentList::Contacts, BuildContactRows(sortedContacts), kKindContacts);
}

void DeviceContentView::LoadConversationRows(HandoverConversation* head)
{
    ShowRecordRows(messageList, ContentList::Conversations, BuildConversationRows(head), kKindMessages);
    messageWindow->ShowConversation(head);
}

void DeviceContentView::LoadNoteRows(HandoverNote* head)
{
    ShowRecordRows(noteList, ContentList::Notes, BuildNoteRows(head), kKindNotes);
}

void DeviceContentView::LoadBookmarkRows(HandoverBookmark* root)
{
    ShowRecordRows(bookmarkList, ContentList::Bookmarks, BuildBookmarkRows(root), kKindBookmarks);
}

void DeviceContentView::LoadPictureRows(int kind, plist_t category)
{
    // Picture rows are not searched, so they stay out of the row copies.
    ContentListCtrl* list = kind == kKindPhotos ? photoList : cameraRollList;
    list->Load(std::make_shared<const ContentListModel::Rows>(PictureContentRows(kind, category)),
               TypeIconPath(kind));
}

void DeviceContentView::LoadPictureIcons(int kind, plist_t category)
{
    (kind == kKindPhotos ? photoIconView : cameraRollIconView)->LoadPictureIcons(category);
}

void DeviceContentView::LoadNode(int kind, void* content)
{
    if (content == nullptr)
        return;
    switch (kind) {
    case kKindMusic:
    case kKindMovies:
    case kKindTvShows:
    case kKindPodcasts:
    case kKindAudiobooks:
    case kKindRingtones:
        LoadMediaRows(kind, static_cast<plist_t>(content));
        break;
    case kKindBooks:
    case kKindBookShelf:
        LoadBookRows(kind, static_cast<plist_t>(content));
        break;
    case kKindPlaylists:
    case kKindPlaylist:
        LoadPlaylistRows(kind, static_cast<plist_t>(content));
        break;
    case kKindVoiceMemos:
        LoadVoiceMemoRows(static_cast<plist_t>(content));
        break;
    case kKindContacts:
        LoadContactRows(*static_cast<const std::vector<HandoverContact*>*>(content));
        break;
    case kKindMessages:
        LoadConversationRows(static_cast<HandoverConversation*>(content));
        break;
    case kKindNotes:
        LoadNoteRows(static_cast<HandoverNote*>(content));
        break;
    case kKindBookmarks:
        LoadBookmarkRows(static_cast<HandoverBookmark*>(content));
        break;
    default:
        break;
    }
}

// Filters and search ---------------------------------------------------------

void DeviceContentView::FillFilterList(wxDataViewListCtrl* filterList)
{
    const bool wasReloading = reloading;
    reloading = true;
    const int slot = filterList->GetId() - ID_GENRE_FILTER;
    filterRows[slot] = BuildFilterRows(publicListViewCopy, FilterColumnOf(filterList->GetId()));
    filterList->DeleteAllItems();
    wxVector<wxVariant> values(1);
    for (const wxString& text : filterRows[slot]) {
        values[0] = text;
        filterList->AppendItem(values);
    }
    reloading = wasReloading;
}

void DeviceContentView::ApplyMediaFilter(wxDataViewListCtrl* filterList, int row)
{
    const int slot = filterList->GetId() - ID_GENRE_FILTER;
    // The copies must still be the media list's own rows.
    if (row < 0 || publicListViewCopy.List() != ContentList::Media ||
        publicListViewCopy.Count() != mediaList->Model().LoadedCount())
        return;
    mediaList->Model().ShowRows(FilterMediaRows(publicListViewCopy, FilterColumnOf(filterList->GetId()),
                                                filterRows[slot], static_cast<size_t>(row)));
}

ContentListCtrl* DeviceContentView::ListOf(ContentList list) const
{
    switch (list) {
    case ContentList::Media:
        return mediaList;
    case ContentList::Contacts:
        return contactList;
    case ContentList::Conversations:
        return messageList;
    case ContentList::Notes:
        return noteList;
    case ContentList::Bookmarks:
        return bookmarkList;
    case ContentList::Pictures:
        break;
    }
    return nullptr;
}

void DeviceContentView::Search(const wxString& text)
{
    std::vector<size_t> rows;
    if (!publicListViewCopy.SearchSubView(shownSubView, text, rows))
        return;
    ContentListCtrl* list = ListOf(publicListViewCopy.List());
    if (list == nullptr || publicListViewCopy.Count() != list->Model().LoadedCount())
        return;
    list->Model().ShowRows(rows);
}

// Check boxes and selection --------------------------------------------------

void DeviceContentView::Report(wxWindow* list, const SelectionSummary& summary, bool withSize)
{
    if (summaryHandler)
        summaryHandler(list, summary, withSize);
}

void DeviceContentView::ToggleAllRows(ContentListCtrl* list)
{
    bulkToggle = true;
    list->ToggleAll();
    Report(list, list->Model().Ticks().Summary(), false);
    bulkToggle = false;
}

void DeviceContentView::OnHeaderClick(wxDataViewEvent& event)
{
    auto* list = dynamic_cast<ContentListCtrl*>(event.GetEventObject());
    const wxDataViewColumn* column = event.GetDataViewColumn();
    if (list == nullptr || column == nullptr || column->GetModelColumn() != 0)
        return;
    ToggleAllRows(list);
}

void DeviceContentView::OnCheckChanged(wxDataViewEvent& event)
{
    auto* list = dynamic_cast<ContentListCtrl*>(event.GetEventObject());
    if (list == nullptr || event.GetColumn() != 0)
        return;
    const bool pictures = list->Model().List() == ContentList::Pictures;
    if (bulkToggle && !pictures)
        return;
    const bool withSize = pictures || list == mediaList;
    Report(list, list->Model().Ticks().Summary(), withSize);
}

void DeviceContentView::OnIconSelectionChanged(wxListEvent& event)
{
    auto* view = dynamic_cast<PictureIconView*>(event.GetEventObject());
    if (view != nullptr)
        Report(view, view->SelectedSummary(), true);
    event.Skip();
}

void DeviceContentView::OnConversationSelected(wxDataViewEvent& /*event*/)
{
    wxDataViewItemArray selected;
    if (messageList->GetSelections(selected) != 1)
        return;
    const int row = messageList->RowOf(selected[0]);
    if (row < 0 || static_cast<size_t>(row) >= messageList->Model().ShownCount())
        return;
    messageWindow->ShowConversation(
        static_cast<const HandoverConversation*>(messageList->Model().ShownRow(static_cast<size_t>(row)).rowRecord));
}

void DeviceContentView::OnFilterSelectionChanged(wxDataViewEvent& event)
{
    auto* filterList = dynamic_cast<wxDataViewListCtrl*>(event.GetEventObject());
    if (reloading || filterList == nullptr)
        return;
    TraceLine("Enter DeviceContentView::OnFilterSelectionChanged");
    const int row = filterList->GetSelectedRow();
    if (row != wxNOT_FOUND)
        ApplyMediaFilter(filterList, row);
    TraceLine("Leave DeviceContentView::OnFilterSelectionChanged");
}
