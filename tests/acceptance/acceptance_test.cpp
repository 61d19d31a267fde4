// Acceptance: a user's session on the demo iPhone through the real window and
// the real pointer and keyboard. Every node of the tree is visited; rows,
// icons and list rows of every kind are ticked and exported into a temporary
// folder; the search box and the genre filter narrow the music; the language
// is switched to German and back through the Advanced menu. What arrives is
// checked against the device's own files: names, bytes, the packed book's
// entries and the rows of the pages.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/dataview.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/mstream.h>
#include <wx/splitter.h>
#include <wx/srchctrl.h>
#include <wx/treectrl.h>
#include <wx/zipstrm.h>

#include <devicekit/devicekit.h>

#include "content/content_kind.h"
#include "content/picture_icon_view_data.h"
#include "support/gui_test.h"
#include "support/pointer_script.h"
#include "user_session.h"
#include "window/base/sk_button.h"
#include "window/base/sk_menu_bar.h"
#include "window/base/sk_menu_button.h"
#include "window/client/content_list_ctrl.h"
#include "window/client/device_content_view.h"
#include "window/client/left_pane.h"
#include "window/client/navigation_tree_ctrl_data.h"
#include "window/client/picture_icon_view.h"
#include "window/client/right_pane.h"
#include "window/tool_bar.h"

namespace fs = std::filesystem;

namespace {

const NavigationTreeCtrlData* NodeData(wxTreeCtrl* tree, const wxTreeItemId& node)
{
    return static_cast<const NavigationTreeCtrlData*>(tree->GetItemData(node));
}

void CollectNodes(wxTreeCtrl* tree, const wxTreeItemId& node, std::vector<wxTreeItemId>& nodes)
{
    nodes.push_back(node);
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = tree->GetFirstChild(node, cookie); child.IsOk(); child = tree->GetNextChild(node, cookie))
        CollectNodes(tree, child, nodes);
}

// The sub-view of the content view a node's kind shows.
int SubViewOfKind(int kind)
{
    switch (kind) {
    case kKindCameraRoll: return DeviceContentView::kCameraRollIcons;
    case kKindPhotos: return DeviceContentView::kPhotoIcons;
    case kKindContacts: return DeviceContentView::kContacts;
    case kKindMessages: return DeviceContentView::kMessagePanel;
    case kKindNotes: return DeviceContentView::kNotes;
    case kKindBookmarks: return DeviceContentView::kBookmarks;
    default: return DeviceContentView::kMediaPanel;
    }
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The file a user expects for an exported item: the name shown for it with
// the extension of its file on the device.
std::string ExpectedName(const wxString& shownName, const wxString& devicePath)
{
    const wxString file = devicePath.AfterLast('/');
    const size_t dot = file.rfind('.');
    return (shownName + (dot == wxString::npos ? wxString() : file.substr(dot))).utf8_string();
}

fs::path DeviceFile(const wxString& devicePath)
{
    return fs::u8path(UserSession::DeviceFolder() + "/files" + devicePath.utf8_string());
}

// Every exported file is named as the user expects and holds exactly the
// bytes of the device's file.
void ExpectCopies(const fs::path& folder, const std::map<std::string, wxString>& expected)
{
    std::vector<std::string> names;
    for (const auto& [name, devicePath] : expected) {
        names.push_back(name);
        const std::string copied = FileBytes(folder / fs::u8path(name));
        const std::string original = FileBytes(DeviceFile(devicePath));
        EXPECT_FALSE(original.empty()) << devicePath;
        EXPECT_TRUE(copied == original) << name << ": " << copied.size() << " bytes, the device has "
                                        << original.size();
    }
    EXPECT_EQ(FileNames(folder), names);
}

std::map<std::string, wxString> TickedRows(ContentListCtrl* list, const std::vector<unsigned>& rows)
{
    std::map<std::string, wxString> expected;
    for (unsigned row : rows) {
        const ContentRow& shown = list->Model().ShownRow(row);
        expected[ExpectedName(shown.texts[0], shown.path)] = shown.path;
    }
    return expected;
}

// The entries of a ZIP file: name -> size.
std::map<std::string, size_t> ZipEntries(const fs::path& file)
{
    const std::string bytes = FileBytes(file);
    wxMemoryInputStream memory(bytes.data(), bytes.size());
    wxZipInputStream zip(memory);
    std::map<std::string, size_t> entries;
    while (wxZipEntry* entry = zip.GetNextEntry()) {
        if (!entry->IsDir()) {
            std::string content;
            char buffer[4096];
            while (zip.Read(buffer, sizeof buffer).LastRead() > 0)
                content.append(buffer, zip.LastRead());
            entries[entry->GetName(wxPATH_UNIX).utf8_string()] = content.size();
        }
        delete entry;
    }
    return entries;
}

// The files below a folder: path relative to it -> size.
std::map<std::string, size_t> FolderFiles(const fs::path& folder)
{
    std::map<std::string, size_t> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).generic_u8string()] = entry.file_size();
    return files;
}

std::string EscapedHtml(const char* text)
{
    std::string escaped;
    for (const char* c = text; c != nullptr && *c != '\0'; ++c) {
        switch (*c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += *c; break;
        }
    }
    return escaped;
}

template <typename Record, typename Next>
size_t ChainLength(const Record* first, Next next)
{
    size_t length = 0;
    for (const Record* record = first; record != nullptr; record = next(record))
        ++length;
    return length;
}

} // namespace

TEST_F(UserSession, EveryNodeOfTheTreeShowsItsView)
{
    wxTreeCtrl* tree = leftPane->GetNavigationTree();
    std::vector<wxTreeItemId> nodes;
    CollectNodes(tree, tree->GetRootItem(), nodes);
    ASSERT_GT(nodes.size(), 16u);
    // Start away from the root so that its visit is a change too.
    ASSERT_TRUE(Visit(nodes[1]));

    for (const wxTreeItemId& node : nodes) {
        const NavigationTreeCtrlData* data = NodeData(tree, node);
        ASSERT_NE(data, nullptr);
        SCOPED_TRACE(tree->GetItemText(node).utf8_string());
        ASSERT_TRUE(Visit(node));
        if (data->kind == kKindDevice) {
            EXPECT_EQ(rightPane->GetShownView(), RightPane::kDeviceInfo);
            continue;
        }
        EXPECT_EQ(rightPane->GetShownView(), RightPane::kDeviceContent);
        const int subView = SubViewOfKind(data->kind);
        EXPECT_EQ(ContentView()->ShownSubView(), subView);
        EXPECT_TRUE(ContentView()->GetSubView(subView)->IsShownOnScreen());

        size_t shown = 0;
        switch (subView) {
        case DeviceContentView::kCameraRollIcons:
            shown = ContentView()->GetCameraRollIconView()->GetItemCount();
            break;
        case DeviceContentView::kPhotoIcons:
            shown = ContentView()->GetPhotoIconView()->GetItemCount();
            break;
        case DeviceContentView::kContacts: shown = ContentView()->GetContactList()->Model().ShownCount(); break;
        case DeviceContentView::kMessagePanel: shown = ContentView()->GetMessageList()->Model().ShownCount(); break;
        case DeviceContentView::kNotes: shown = ContentView()->GetNoteList()->Model().ShownCount(); break;
        case DeviceContentView::kBookmarks: shown = ContentView()->GetBookmarkList()->Model().ShownCount(); break;
        default: shown = ContentView()->GetMediaList()->Model().ShownCount(); break;
        }
        EXPECT_EQ(shown > 0, data->count > 0) << shown << " rows for a count of " << data->count;
    }
}

TEST_F(UserSession, MusicPlaylistAndBookShelfExportTheTickedItems)
{
    wxTreeCtrl* tree = leftPane->GetNavigationTree();
    ContentListCtrl* media = ContentView()->GetMediaList();

    // Two songs of the music list.
    ASSERT_TRUE(Visit(leftPane->GetCategoryNode(0)));
    ASSERT_GT(media->Model().ShownCount(), 5u);
    ASSERT_TRUE(Tick(media, 1));
    ASSERT_TRUE(Tick(media, 4));
    const fs::path music = Target("music");
    ASSERT_TRUE(ExportInto(music));
    ExpectCopies(music, TickedRows(media, {1, 4}));

    // The first song of the first playlist.
    std::vector<wxTreeItemId> nodes;
    CollectNodes(tree, tree->GetRootItem(), nodes);
    wxTreeItemId playlist;
    wxTreeItemId shelfWithFolderBook;
    for (const wxTreeItemId& node : nodes) {
        const NavigationTreeCtrlData* data = NodeData(tree, node);
        if (data->kind == kKindPlaylist && !playlist.IsOk() && data->count > 0)
            playlist = node;
    }
    ASSERT_TRUE(playlist.IsOk());
    ASSERT_TRUE(Visit(playlist));
    ASSERT_TRUE(Tick(media, 0));
    const fs::path fromPlaylist = Target("playlist");
    ASSERT_TRUE(ExportInto(fromPlaylist));
    ExpectCopies(fromPlaylist, TickedRows(media, {0}));

    // A book that is a folder on the device arrives packed into one file
    // holding every file of that folder.
    unsigned folderRow = 0;
    for (const wxTreeItemId& node : nodes) {
        if (NodeData(tree, node)->kind != kKindBookShelf || shelfWithFolderBook.IsOk())
            continue;
        ASSERT_TRUE(Visit(node));
        for (unsigned row = 0; row < media->Model().ShownCount(); ++row) {
            if (fs::is_directory(DeviceFile(media->Model().ShownRow(row).path))) {
                shelfWithFolderBook = node;
                folderRow = row;
                break;
            }
        }
    }
    ASSERT_TRUE(shelfWithFolderBook.IsOk()) << "the demo device has no book stored as a folder";
    ASSERT_TRUE(Tick(media, folderRow));
    const ContentRow& book = media->Model().ShownRow(folderRow);
    const fs::path books = Target("books");
    ASSERT_TRUE(ExportInto(books));
    const std::string name = ExpectedName(book.texts[0], book.path);
    EXPECT_EQ(FileNames(books), std::vector<std::string>{name});
    const std::map<std::string, size_t> packed = ZipEntries(books / fs::u8path(name));
    EXPECT_FALSE(packed.empty());
    EXPECT_EQ(packed, FolderFiles(DeviceFile(book.path)));
}

TEST_F(UserSession, PicturesExportFromTheIconViewAndTheListView)
{
    // Two icons of the camera roll, the second added with Ctrl.
    ASSERT_TRUE(Visit(leftPane->GetCategoryNode(9)));
    ASSERT_EQ(ContentView()->ShownSubView(), DeviceContentView::kCameraRollIcons);
    PictureIconView* icons = ContentView()->GetCameraRollIconView();
    ASSERT_GT(icons->GetItemCount(), 5);
    ASSERT_TRUE(SelectIcon(icons, 0, false));
    ASSERT_TRUE(SelectIcon(icons, 3, true));
    EXPECT_EQ(icons->GetSelectedItemCount(), 2);
    std::map<std::string, wxString> expected;
    for (long item : {0L, 3L})
        expected[ExpectedName(icons->Record(item)->name, icons->Record(item)->path)] = icons->Record(item)->path;
    const fs::path cameraRoll = Target("camera-roll");
    ASSERT_TRUE(ExportInto(cameraRoll));
    ExpectCopies(cameraRoll, expected);

    // The photos as a list (the tool bar's list-view button), two rows ticked.
    ASSERT_TRUE(Visit(leftPane->GetCategoryNode(10)));
    ASSERT_EQ(ContentView()->ShownSubView(), DeviceContentView::kPhotoIcons);
    ClickCentre(toolBar->GetListViewButton());
    ASSERT_TRUE(WaitFor([this] { return ContentView()->ShownSubView() == DeviceContentView::kPhotoList; }));
    ContentListCtrl* photos = ContentView()->GetPhotoList();
    ASSERT_TRUE(WaitFor([photos] { return photos->IsShownOnScreen(); }));
    ASSERT_TRUE(Tick(photos, 1));
    ASSERT_TRUE(Tick(photos, 2));
    const fs::path fromPhotos = Target("photos");
    ASSERT_TRUE(ExportInto(fromPhotos));
    ExpectCopies(fromPhotos, TickedRows(photos, {1, 2}));
}

TEST_F(UserSession, RecordsExportAsPagesHoldingTheTickedRows)
{
    struct Case {
        int category;
        ContentListCtrl* list;
        std::vector<unsigned> rows;
        const char* page;
    };
    const std::vector<Case> cases = {
        {11, ContentView()->GetContactList(), {1}, "Contacts.html"},
        {12, ContentView()->GetMessageList(), {0, 2}, "Messages.html"},
        {13, ContentView()->GetNoteList(), {0, 2}, "Notes.html"},
        {14, ContentView()->GetBookmarkList(), {0, 1, 3}, "Safari.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        ASSERT_TRUE(Visit(leftPane->GetCategoryNode(c.category)));
        for (unsigned row : c.rows)
            ASSERT_TRUE(Tick(c.list, row));
        const fs::path folder = Target(c.page);
        ASSERT_TRUE(ExportInto(folder));
        ASSERT_EQ(FileNames(folder), std::vector<std::string>{c.page});
        const std::string page = FileBytes(folder / c.page);

        // One header row, then per ticked record its row (and, for contacts
        // and conversations, one row per property or message).
        size_t rows = 1;
        std::vector<std::string> texts;
        std::vector<std::string> absent;
        for (unsigned row = 0; row < c.list->Model().ShownCount(); ++row) {
            const bool ticked = std::find(c.rows.begin(), c.rows.end(), row) != c.rows.end();
            const void* record = c.list->Model().ShownRow(row).rowRecord;
            ASSERT_NE(record, nullptr);
            std::string text;
            size_t recordRows = 1;
            switch (c.category) {
            case 11: {
                const auto* contact = static_cast<const HandoverContact*>(record);
                text = EscapedHtml(contact->name);
                recordRows += ChainLength(contact->properties, [](const HandoverProperty* p) { return p->next; });
                break;
            }
            case 12: {
                const auto* conversation = static_cast<const HandoverConversation*>(record);
                text = EscapedHtml(conversation->messages != nullptr ? conversation->messages->text : "");
                recordRows += ChainLength(conversation->messages, [](const HandoverMessage* m) { return m->next; });
                break;
            }
            case 13: text = EscapedHtml(static_cast<const HandoverNote*>(record)->title); break;
            default: text = EscapedHtml(static_cast<const HandoverBookmark*>(record)->url); break;
            }
            if (ticked) {
                rows += recordRows;
                texts.push_back(text);
            } else if (text.size() >= 8) {
                absent.push_back(text);
            }
        }
        EXPECT_EQ(Occurrences(page, "<tr>"), rows);
        for (const std::string& text : texts)
            EXPECT_NE(page.find(text), std::string::npos) << text;
        // A long text of a record left out does not appear (unless a ticked
        // record holds it too).
        for (const std::string& text : absent) {
            const bool inTicked = std::any_of(texts.begin(), texts.end(),
                                              [&](const std::string& t) { return t.find(text) != std::string::npos; });
            if (!inTicked) {
                EXPECT_EQ(page.find(text), std::string::npos) << text;
            }
        }
    }
}

TEST_F(UserSession, SearchAndGenreFilterNarrowTheMusic)
{
    ASSERT_TRUE(Visit(leftPane->GetCategoryNode(0)));
    ContentListCtrl* media = ContentView()->GetMediaList();
    const size_t all = media->Model().ShownCount();
    ASSERT_GT(all, 5u);

    // Typing narrows the list at every keystroke, in any case.
    wxSearchCtrl* search = toolBar->GetSearchBox();
    ClickCentre(search);
    ASSERT_TRUE(WaitFor([search] { return search->HasFocus() || wxWindow::FindFocus() != nullptr; }));
    simulator.Text("LIGHT");
    ASSERT_TRUE(WaitFor([&] { return search->GetValue() == "LIGHT"; }));
    ASSERT_TRUE(WaitFor([&] { return media->Model().ShownCount() < all; }));
    const size_t found = media->Model().ShownCount();
    EXPECT_GT(found, 0u);
    for (size_t row = 0; row < found; ++row) {
        const ContentRow& shown = media->Model().ShownRow(row);
        bool matches = false;
        for (const wxString& text : shown.texts)
            matches = matches || Lower(text.utf8_string()).find("light") != std::string::npos;
        EXPECT_TRUE(matches) << shown.texts[0];
    }
    for (int i = 0; i < 5; ++i)
        simulator.Char(WXK_BACK);
    ASSERT_TRUE(WaitFor([&] { return search->GetValue().empty() && media->Model().ShownCount() == all; }));

    // The filter view: choosing a genre shows that genre's songs, whatever
    // their case.
    ClickCentre(toolBar->GetFilterViewButton());
    wxDataViewListCtrl* genres = ContentView()->GetGenreList();
    ASSERT_TRUE(WaitFor([genres] { return genres->IsShownOnScreen() && genres->GetItemCount() > 1; }));
    int rockRow = -1;
    for (int row = 0; row < genres->GetItemCount(); ++row)
        if (genres->GetTextValue(row, 0) == "Rock")
            rockRow = row;
    ASSERT_GE(rockRow, 0);
    size_t rockSongs = 0;
    for (size_t row = 0; row < all; ++row)
        rockSongs += Lower(media->Model().ShownRow(row).texts[3].utf8_string()) == "rock";
    ASSERT_TRUE(ClickCell(genres, static_cast<unsigned>(rockRow), 0));
    ASSERT_TRUE(WaitFor([&] { return media->Model().ShownCount() == rockSongs; }))
        << media->Model().ShownCount() << " songs shown, " << rockSongs << " are rock";
    for (size_t row = 0; row < rockSongs; ++row)
        EXPECT_EQ(Lower(media->Model().ShownRow(row).texts[3].utf8_string()), "rock");
}

TEST_F(UserSession, LanguageChosenInTheMenuRelabelsTheWindowAndBack)
{
    // Advanced > Language > the n-th language, by the keyboard once the menu
    // is open.
    auto chooseLanguage = [this](int position, const wxString& refreshLabel) {
        SkMenuButton* advanced = toolBar->GetMenuBar()->FindButton(ToolBar::ID_ADVANCED_TITLE);
        wxMenu* menu = toolBar->GetAdvancedMenu();
        wxButton* refresh = leftPane->GetRefreshButton();
        PointerScript script({
            {"Advanced opens", [] { return true; },
             [&] {
                 simulator.MouseMove(ScreenCentre(advanced));
                 simulator.MouseClick();
             }},
            {"Advanced open", [&] { return IsOnScreen(menu); },
             [&] {
                 simulator.Char(WXK_DOWN);
                 simulator.Char(WXK_RIGHT);
                 for (int i = 0; i < position; ++i)
                     simulator.Char(WXK_DOWN);
                 simulator.Char(WXK_RETURN);
             }},
            {"relabelled", [&] { return refresh->GetLabel() == refreshLabel; }, nullptr},
        });
        return script.Run() ? wxString() : wxString(script.StuckAt());
    };

    auto advancedTitle = [this] { return toolBar->GetMenuBar()->FindButton(ToolBar::ID_ADVANCED_TITLE)->GetLabel(); };
    ASSERT_EQ(leftPane->GetRefreshButton()->GetLabel(), "Refresh");
    // Deutsch is the third entry, English the fourth.
    EXPECT_EQ(chooseLanguage(2, "Aktualisieren"), wxString());
    EXPECT_EQ(advancedTitle(), "Erweitert");
    EXPECT_EQ(toolBar->GetSearchBox()->GetDescriptiveText(), wxGetTranslation("Search"));
    EXPECT_NE(wxGetTranslation("Search"), "Search");
    EXPECT_EQ(chooseLanguage(3, "Refresh"), wxString());
    EXPECT_EQ(advancedTitle(), "Advanced");
}
