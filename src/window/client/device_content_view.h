#pragma once
// The view the right pane shows for every content category: nine sub-views
// of which exactly one is visible once SwitchView has been called, the media
// panel (genre, artist and album filter lists over the media list), the camera
// roll and the photos each as icons and as a list, the contacts, the message
// panel (conversation display over the conversation list), the notes and the
// bookmarks.
//
// The Load* functions are the widget side of loading a navigation node: they
// take the rows built from the DeviceTable, hand the searchable ones to
// publicListViewCopy (the filters and the search rebuild a list from there)
// and show them. The view owns the check boxes of every list and reports the
// checked rows (and the icon views' selected items) through the summary
// handler, which the tool bar installs.
//
// Content pointers passed to the loaders belong to the DeviceTable; the rows
// of contacts, conversations, notes and bookmarks point into it.

#include <functional>
#include <memory>
#include <vector>

#include <devicekit/devicekit.h>
#include <plist/plist.h>
#include <wx/bitmap.h>
#include <wx/custombgwin.h>
#include <wx/panel.h>

#include "content/public_list_view_copy.h"
#include "content/row_ticks.h"

class ContentListCtrl;
class PictureIconView;
class TwKindMessageWindow;
class wxDataViewEvent;
class wxDataViewListCtrl;
class wxListEvent;
class wxSplitterWindow;

class DeviceContentView : public wxCustomBackgroundWindow<wxPanel> {
public:
    enum {
        ID_GENRE_FILTER = 301,
        ID_ARTIST_FILTER = 302,
        ID_ALBUM_FILTER = 303,
        ID_MEDIA_LIST = 304,
        ID_CAMERA_ROLL_ICONS = 305,
        ID_CAMERA_ROLL_LIST = 306,
        ID_PHOTO_ICONS = 307,
        ID_PHOTO_LIST = 308,
        ID_CONTACT_LIST = 309,
        ID_CONVERSATION_LIST = 310,
        ID_MESSAGE_WINDOW = 311,
        ID_NOTE_LIST = 312,
        ID_BOOKMARK_LIST = 313,
    };

    // Sub-view indices for SwitchView.
    enum SubView {
        kMediaPanel = 0,
        kCameraRollIcons,
        kCameraRollList,
        kPhotoIcons,
        kPhotoList,
        kContacts,
        kMessagePanel,
        kNotes,
        kBookmarks,
        kSubViewCount
    };

    // Told the list (or icon view) whose checked rows (selected items)
    // changed, their number and, when withSize, their total size.
    using SummaryHandler = std::function<void(wxWindow* list, const SelectionSummary& summary, bool withSize)>;

    // Takes ownership of the background (may be null).
    DeviceContentView(wxBitmap* background, wxWindow* parent, const wxPoint& position = wxDefaultPosition,
                      const wxSize& size = wxDefaultSize);

    void UpdateTexts();
    void SwitchView(int index);
    // The sub-view on show, or -1 before the first SwitchView.
    int ShownSubView() const { return shownSubView; }

    void SetSummaryHandler(SummaryHandler handler) { summaryHandler = std::move(handler); }

    // Loaders of the navigation nodes (kinds as in content/content_kind.h).
    void LoadMediaRows(int kind, plist_t category);
    void LoadBookRows(int kind, plist_t content);
    void LoadPlaylistRows(int kind, plist_t content);
    void LoadVoiceMemoRows(plist_t category);
    void LoadContactRows(const std::vector<HandoverContact*>& sortedContacts);
    // Also shows the first conversation in the message window.
    void LoadConversationRows(HandoverConversation* head);
    void LoadNoteRows(HandoverNote* head);
    void LoadBookmarkRows(HandoverBookmark* root);
    // Camera roll (kind 12) or photos (13): the list view and the icon view.
    void LoadPictureRows(int kind, plist_t category);
    void LoadPictureIcons(int kind, plist_t category);

    // The loader of a navigation node's kind with its content (the category
    // dict, shelf or playlist array or dict, the contact vector or the head
    // of a record list). The device node and the picture nodes load nothing
    // here: the picture views are filled when the device is chosen.
    void LoadNode(int kind, void* content);

    // Refills a filter list (301, 302 or 303) from the media copies.
    void FillFilterList(wxDataViewListCtrl* filterList);
    // The media list shows what row `row` of a filter list selects.
    void ApplyMediaFilter(wxDataViewListCtrl* filterList, int row);

    // Filters the shown list by text; nothing on the picture views and the
    // message display.
    void Search(const wxString& text);

    ContentListCtrl* GetMediaList() const { return mediaList; }
    ContentListCtrl* GetCameraRollList() const { return cameraRollList; }
    ContentListCtrl* GetPhotoList() const { return photoList; }
    ContentListCtrl* GetContactList() const { return contactList; }
    ContentListCtrl* GetMessageList() const { return messageList; }
    ContentListCtrl* GetNoteList() const { return noteList; }
    ContentListCtrl* GetBookmarkList() const { return bookmarkList; }
    PictureIconView* GetCameraRollIconView() const { return cameraRollIconView; }
    PictureIconView* GetPhotoIconView() const { return photoIconView; }
    TwKindMessageWindow* GetMessageWindow() const { return messageWindow; }
    wxDataViewListCtrl* GetGenreList() const { return genreList; }
    wxDataViewListCtrl* GetArtistList() const { return artistList; }
    wxDataViewListCtrl* GetAlbumList() const { return albumList; }
    wxWindow* GetSubView(int index) const { return subViews[index]; }

    // The header click of a list (also what a click on its "√" header does).
    void ToggleAllRows(ContentListCtrl* list);

private:
    void CreateMediaPanel();
    void CreateMessagePanel();
    void RegisterWindows();
    void AddSubView(int index, wxWindow* window);
    void ShowMediaRows(std::vector<ContentRow> rows, int kind);
    void ShowRecordRows(ContentListCtrl* list, ContentList kind, std::vector<ContentRow> rows, int typeKind);
    ContentListCtrl* ListOf(ContentList list) const;
    void Report(wxWindow* list, const SelectionSummary& summary, bool withSize);

    void OnHeaderClick(wxDataViewEvent& event);
    void OnCheckChanged(wxDataViewEvent& event);
    void OnIconSelectionChanged(wxListEvent& event);
    void OnConversationSelected(wxDataViewEvent& event);
    void OnFilterSelectionChanged(wxDataViewEvent& event);

    std::unique_ptr<wxBitmap> background;
    wxWindow* subViews[kSubViewCount] = {};
    int shownSubView = -1;

    wxSplitterWindow* mediaSplitter = nullptr;
    wxPanel* filterPanel = nullptr;
    PictureIconView* cameraRollIconView = nullptr;
    ContentListCtrl* cameraRollList = nullptr;
    PictureIconView* photoIconView = nullptr;
    ContentListCtrl* photoList = nullptr;
    ContentListCtrl* contactList = nullptr;
    wxSplitterWindow* messageSplitter = nullptr;
    ContentListCtrl* messageList = nullptr;
    TwKindMessageWindow* messageWindow = nullptr;
    ContentListCtrl* noteList = nullptr;
    ContentListCtrl* bookmarkList = nullptr;
    wxDataViewListCtrl* genreList = nullptr;
    wxDataViewListCtrl* artistList = nullptr;
    wxDataViewListCtrl* albumList = nullptr;
    ContentListCtrl* mediaList = nullptr;

    // The rows each filter list shows ("(All)" first).
    std::vector<wxString> filterRows[3];
    // Set while a header click or a load changes rows, so the per-row events
    // it raises do not each report a summary or run a filter.
    bool bulkToggle = false;
    bool reloading = false;
    SummaryHandler summaryHandler;
};
