// The content view on small lists made by the tests: the check column's header
// click, the genre filter, the search, and the sub-views search leaves alone.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/dataview.h>

#include "app/language.h"

#include "content/content_kind.h"
#include "content/plist_fixture.h"
#include "support/gui_test.h"
#include "window/client/content_list_ctrl.h"
#include "window/client/device_content_view.h"
#include "window/client/picture_icon_view.h"
#include "window/client/tw_kind_message_window.h"

namespace {

class DeviceContentViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        view = new DeviceContentView(nullptr, frame.Parent(), wxPoint(0, 0), wxSize(800, 500));
        view->SetSummaryHandler([this](wxWindow* list, const SelectionSummary& summary, bool withSize) {
            reportedList = list;
            reported = summary;
            reportedWithSize = withSize;
            ++reports;
        });
        ASSERT_TRUE(frame.ShowAndWait());
    }

    void LoadSongs()
    {
        PlistPtr music(ItemList({
            Song("Yesterday", 125000, 3000000, "Rock", "The Beatles", "Help!"),
            Song("Quiet", 201000, 5 * 1048576, "rock", "Someone", "Calm"),
            Song("Dance", 180000, 4000000, "Pop", "Other", "Floor"),
        }));
        view->LoadMediaRows(kKindMusic, music.get());
        view->SwitchView(DeviceContentView::kMediaPanel);
    }

    static wxString Title(ContentListCtrl* list, size_t row) { return list->Model().ShownRow(row).texts[0]; }

    static bool Checked(ContentListCtrl* list, size_t row)
    {
        wxVariant value;
        list->Model().GetValueByRow(value, static_cast<unsigned int>(row), 0);
        return value.GetBool();
    }

    static void ClickHeader(ContentListCtrl* list, unsigned int column)
    {
        wxDataViewEvent event(wxEVT_DATAVIEW_COLUMN_HEADER_CLICK, list, list->GetColumn(column));
        list->ProcessWindowEvent(event);
    }

    static void ChooseFilterRow(wxDataViewListCtrl* filterList, int row)
    {
        filterList->SelectRow(row);
        wxDataViewEvent event(wxEVT_DATAVIEW_SELECTION_CHANGED, filterList, filterList->RowToItem(row));
        filterList->ProcessWindowEvent(event);
    }

    TestFrame frame{wxSize(800, 500)};
    DeviceContentView* view = nullptr;
    wxWindow* reportedList = nullptr;
    SelectionSummary reported;
    bool reportedWithSize = false;
    int reports = 0;
};

} // namespace

TEST_F(DeviceContentViewTest, SubViewsHaveTheirIdsAndOneIsShown)
{
    const int ids[] = {DeviceContentView::ID_MEDIA_LIST,     DeviceContentView::ID_CAMERA_ROLL_ICONS,
                       DeviceContentView::ID_CAMERA_ROLL_LIST, DeviceContentView::ID_PHOTO_ICONS,
                       DeviceContentView::ID_PHOTO_LIST,     DeviceContentView::ID_CONTACT_LIST,
                       DeviceContentView::ID_CONVERSATION_LIST, DeviceContentView::ID_NOTE_LIST,
                       DeviceContentView::ID_BOOKMARK_LIST};
    for (int id : ids)
        EXPECT_NE(view->FindWindow(id), nullptr) << id;
    EXPECT_EQ(view->GetMessageWindow()->GetId(), DeviceContentView::ID_MESSAGE_WINDOW);
    EXPECT_EQ(view->GetGenreList()->GetId(), DeviceContentView::ID_GENRE_FILTER);

    EXPECT_EQ(view->ShownSubView(), -1);
    for (int index = 0; index < DeviceContentView::kSubViewCount; ++index)
        EXPECT_FALSE(view->GetSubView(index)->IsShown());
    view->SwitchView(DeviceContentView::kContacts);
    for (int index = 0; index < DeviceContentView::kSubViewCount; ++index)
        EXPECT_EQ(view->GetSubView(index)->IsShown(), index == DeviceContentView::kContacts) << index;

    // The media list's columns: check, type, then the six texts with their widths.
    view->SwitchView(DeviceContentView::kMediaPanel);
    ContentListCtrl* media = view->GetMediaList();
    ASSERT_EQ(media->GetColumnCount(), 8u);
    ASSERT_TRUE(WaitFor([&] { return media->GetColumn(7)->GetWidth() > 0; }));
    // The last column takes whatever width is left over. A column is wider
    // than its own width only where its title or widest text needs it (the
    // size column: "1024.00MB").
    const int widths[] = {50, 50, 150, 60, 55, 80, 100};
    for (unsigned int column = 0; column < 7; ++column) {
        EXPECT_GE(media->GetColumn(column)->GetWidth(), widths[column]) << column;
        if (column != 4) {
            EXPECT_LE(media->GetColumn(column)->GetWidth(), widths[column] + 10) << column;
        }
    }
    EXPECT_GE(media->GetColumn(4)->GetWidth(), media->GetTextExtent("1024.00MB").x + 8);
    EXPECT_EQ(media->GetColumn(0)->GetTitle(), wxString::FromUTF8("\xE2\x88\x9A"));
    EXPECT_EQ(media->GetColumn(2)->GetTitle(), "Title");
}

// Every column but the last (which takes the rest of the width) holds its
// title in every language: the header GTK draws is no wider than the column
// (its fixed width: a list not shown has no allocated width yet).
TEST_F(DeviceContentViewTest, ColumnTitlesFitInEveryLanguage)
{
    ContentListCtrl* lists[] = {view->GetMediaList(),   view->GetCameraRollList(), view->GetPhotoList(),
                                view->GetContactList(), view->GetMessageList(),    view->GetNoteList(),
                                view->GetBookmarkList()};
    for (int code : {kLanguageGerman, kLanguageFrench, kLanguageItalian, kLanguageJapanese,
                     kLanguageChineseSimplified, kLanguageChineseTraditional, kLanguageEnglish}) {
        InstallLocale(code);
        view->UpdateTexts();
        for (ContentListCtrl* list : lists) {
            GtkTreeView* tree = GTK_TREE_VIEW(list->GtkGetTreeView());
            for (unsigned int column = 0; column + 1 < list->GetColumnCount(); ++column) {
                GtkTreeViewColumn* gtkColumn = gtk_tree_view_get_column(tree, static_cast<gint>(column));
                gint natural = 0;
                gtk_widget_get_preferred_width(gtk_tree_view_column_get_button(gtkColumn), nullptr, &natural);
                EXPECT_LE(natural, gtk_tree_view_column_get_fixed_width(gtkColumn))
                    << code << " " << list->GetColumn(column)->GetTitle().utf8_string();
            }
        }
    }
    // Back in English the columns have their own widths again.
    EXPECT_EQ(gtk_tree_view_column_get_fixed_width(
                  gtk_tree_view_get_column(GTK_TREE_VIEW(view->GetMediaList()->GtkGetTreeView()), 2)),
              150);
}

TEST_F(DeviceContentViewTest, CheckHeaderClickTogglesEveryRowAndRecounts)
{
    LoadSongs();
    ContentListCtrl* media = view->GetMediaList();
    ASSERT_EQ(media->Model().ShownCount(), 3u);
    EXPECT_EQ(Title(media, 1), "Quiet");
    EXPECT_EQ(media->Model().ShownRow(1).texts[1], "0:3:21");

    ClickHeader(media, 2);  // not the check column: nothing
    EXPECT_EQ(reports, 0);
    EXPECT_FALSE(Checked(media, 0));

    ClickHeader(media, 0);
    for (size_t row = 0; row < 3; ++row)
        EXPECT_TRUE(Checked(media, row)) << row;
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(reportedList, media);
    EXPECT_EQ(reported.count, 3u);
    EXPECT_FALSE(reportedWithSize);

    ClickHeader(media, 0);
    for (size_t row = 0; row < 3; ++row)
        EXPECT_FALSE(Checked(media, row)) << row;
    EXPECT_EQ(reported.count, 0u);

    // Ticking one box reports the number and the bytes of the ticked rows.
    media->GetModel()->ChangeValue(wxVariant(true), media->Model().GetItem(1), 0);
    EXPECT_TRUE(Checked(media, 1));
    EXPECT_EQ(reported.count, 1u);
    EXPECT_EQ(reported.totalSize, 5u * 1048576u);
    EXPECT_TRUE(reportedWithSize);

    // An empty list changes nothing but is still counted.
    ContentListCtrl* notes = view->GetNoteList();
    view->LoadNoteRows(nullptr);
    ClickHeader(notes, 0);
    EXPECT_EQ(reportedList, notes);
    EXPECT_EQ(reported.count, 0u);
}

TEST_F(DeviceContentViewTest, GenreFilterListsEachSpellingAndMatchesAnyCase)
{
    LoadSongs();
    wxDataViewListCtrl* genres = view->GetGenreList();
    ASSERT_EQ(genres->GetItemCount(), 4u);
    const char* expected[] = {"(All)", "Rock", "rock", "Pop"};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(genres->GetTextValue(row, 0), expected[row]) << row;
    EXPECT_EQ(view->GetArtistList()->GetItemCount(), 4u);

    ContentListCtrl* media = view->GetMediaList();
    ChooseFilterRow(genres, 2);  // rock
    ASSERT_EQ(media->Model().ShownCount(), 2u);
    EXPECT_EQ(Title(media, 0), "Yesterday");
    EXPECT_EQ(Title(media, 1), "Quiet");

    media->GetModel()->ChangeValue(wxVariant(true), media->Model().GetItem(0), 0);
    ChooseFilterRow(genres, 0);  // (All): every row again, unchecked
    ASSERT_EQ(media->Model().ShownCount(), 3u);
    for (size_t row = 0; row < 3; ++row)
        EXPECT_FALSE(Checked(media, row)) << row;
    EXPECT_EQ(genres->GetItemCount(), 4u);  // filtering does not refill the filters
}

TEST_F(DeviceContentViewTest, SearchMatchesTextColumnsButNotTime)
{
    LoadSongs();
    ContentListCtrl* media = view->GetMediaList();
    view->Search("BEAT");
    ASSERT_EQ(media->Model().ShownCount(), 1u);
    EXPECT_EQ(Title(media, 0), "Yesterday");

    view->Search("0:3:21");
    EXPECT_EQ(media->Model().ShownCount(), 0u);

    view->Search("");
    EXPECT_EQ(media->Model().ShownCount(), 3u);
}

TEST_F(DeviceContentViewTest, SearchLeavesPictureViewsAlone)
{
    LoadSongs();
    PlistPtr pictures(ItemList({
        Dict({{"path", "DCIM\\100APPLE\\IMG_0001.JPG"}, {"time", "2011-05-01 10:00:00"}, {"size", std::uint64_t(1000)}}),
        Dict({{"path", "DCIM\\100APPLE\\IMG_0002.JPG"}, {"time", "2011-05-02 10:00:00"}, {"size", std::uint64_t(2000)}}),
    }));
    view->LoadPictureRows(kKindCameraRoll, pictures.get());
    view->LoadPictureIcons(kKindCameraRoll, pictures.get());
    ContentListCtrl* cameraRoll = view->GetCameraRollList();
    ASSERT_EQ(cameraRoll->Model().ShownCount(), 2u);
    EXPECT_EQ(Title(cameraRoll, 0), "IMG_0001");
    EXPECT_EQ(cameraRoll->Model().ShownRow(0).texts[1], "2011-05-01 10:00:00");
    EXPECT_EQ(view->GetCameraRollIconView()->GetItemCount(), 2);

    for (int subView : {DeviceContentView::kCameraRollIcons, DeviceContentView::kCameraRollList,
                        DeviceContentView::kMessagePanel}) {
        view->SwitchView(subView);
        view->Search("no such text");
        EXPECT_EQ(cameraRoll->Model().ShownCount(), 2u) << subView;
        EXPECT_EQ(view->GetCameraRollIconView()->GetItemCount(), 2) << subView;
        EXPECT_EQ(view->GetMediaList()->Model().ShownCount(), 3u) << subView;
    }

    // A header click on a picture list counts its rows like any other list.
    ClickHeader(cameraRoll, 0);
    EXPECT_EQ(reportedList, cameraRoll);
    EXPECT_EQ(reported.count, 2u);
}
