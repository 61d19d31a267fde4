// The row copies and the search over them.
#include <gtest/gtest.h>

#include "content/public_list_view_copy.h"

namespace {

ContentRow MediaRow(const char* title, const char* time, const char* size, const char* genre, const char* artist,
                    const char* album)
{
    ContentRow row;
    const char* const texts[] = {title, time, size, genre, artist, album};
    for (int i = 0; i < 6; ++i)
        row.texts[i] = wxString::FromUTF8(texts[i]);
    row.kind = 1;
    row.size = 1000;
    row.path = wxString("/Music/") + title;
    return row;
}

std::vector<ContentRow> SampleSongs()
{
    return {
        MediaRow("Northern Lights", "0:3:21", "5.00MB", "Rock", "The Corvane Band", "Northern Lights"),
        MediaRow("Yesterday", "0:2:5", "2.00MB", "Pop", "The Beatles", "Help!"),
        MediaRow("Νύχτα", "0:4:0", "3.00MB", "Jazz", "Ελένη", ""),
        MediaRow("Зима", "0:1:0", "1.00MB", "Classical", "Оркестр Север", "Сезоны"),
    };
}

std::vector<wxString> TitlesOf(const PublicListViewCopy& copy, const std::vector<size_t>& rows)
{
    std::vector<wxString> titles;
    for (size_t row : rows)
        titles.push_back(copy.Item(row).texts[0]);
    return titles;
}

} // namespace

TEST(PublicListViewCopy, KeepsTheLoadedRowsUncheckedWithTheirRecords)
{
    PublicListViewCopy copy;
    copy.Assign(ContentList::Media, "image/client/navigation/music.png", SampleSongs());
    ASSERT_EQ(copy.Count(), 4u);
    EXPECT_EQ(copy.List(), ContentList::Media);
    EXPECT_EQ(copy.IconPath(), "image/client/navigation/music.png");
    EXPECT_FALSE(copy.Item(1).checked);
    EXPECT_EQ(copy.Item(1).texts[4], "The Beatles");
    EXPECT_EQ(copy.Item(1).path, "/Music/Yesterday");
    EXPECT_EQ(copy.Item(1).size, 1000u);

    copy.Clear();
    EXPECT_EQ(copy.Count(), 0u);
    EXPECT_TRUE(copy.Search("").empty());
    EXPECT_TRUE(copy.Search("beat").empty());
}

TEST(PublicListViewCopy, MediaSearchIgnoresCaseAndTheTimeAndSizeColumns)
{
    PublicListViewCopy copy;
    copy.Assign(ContentList::Media, "", SampleSongs());
    struct Case {
        const char* text;
        std::vector<wxString> titles;
    };
    const Case cases[] = {
        {"BEAT", {"Yesterday"}},
        {"beat", {"Yesterday"}},
        {"the", {"Northern Lights", "Yesterday"}},   // a row matching twice is listed once
        {"help!", {"Yesterday"}},
        {"ROCK", {"Northern Lights"}},               // genre
        {"0:3:21", {}},                              // time only
        {"5.00MB", {}},                              // size only
        {"ΝΎΧΤΑ", {wxString::FromUTF8("Νύχτα")}},   // Greek in any case
        {"ОРКЕСТР", {wxString::FromUTF8("Зима")}},  // Cyrillic in any case
        {"lightsthe", {}},                           // never across two columns
        {"no such text", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TitlesOf(copy, copy.Search(wxString::FromUTF8(c.text))), c.titles) << c.text;

    EXPECT_EQ(copy.Search("").size(), 4u);  // an empty text brings every row back
}

TEST(PublicListViewCopy, EachRecordListSearchesEveryTextColumn)
{
    struct Case {
        ContentList list;
        int columns;
    };
    const Case cases[] = {
        {ContentList::Contacts, 4},
        {ContentList::Conversations, 2},
        {ContentList::Notes, 3},
        {ContentList::Bookmarks, 3},
    };
    for (const Case& c : cases) {
        // Row i holds the word only in column i; one more row holds it in
        // the first column past the list's own, which is never searched.
        std::vector<ContentRow> rows;
        for (int column = 0; column <= c.columns && column < ContentRow::kMaxTexts; ++column) {
            ContentRow row;
            for (int other = 0; other < ContentRow::kMaxTexts; ++other)
                row.texts[other] = "plain";
            row.texts[column] = "Needle inside";
            rows.push_back(row);
        }
        PublicListViewCopy copy;
        copy.Assign(c.list, "", rows);
        std::vector<size_t> expected;
        for (int column = 0; column < c.columns; ++column)
            expected.push_back(static_cast<size_t>(column));
        EXPECT_EQ(copy.Search("NEEDLE"), expected) << static_cast<int>(c.list);
    }
}

TEST(PublicListViewCopy, OnlyTheListSubViewsHaveASearch)
{
    struct Case {
        int subView;
        bool searched;
        ContentList list;
    };
    const Case cases[] = {
        {0, true, ContentList::Media},        {1, false, ContentList::Media},
        {2, false, ContentList::Media},       {3, false, ContentList::Media},
        {4, false, ContentList::Media},       {5, true, ContentList::Contacts},
        {6, true, ContentList::Conversations}, {7, true, ContentList::Notes},
        {8, true, ContentList::Bookmarks},    {9, false, ContentList::Media},
    };
    for (const Case& c : cases) {
        ContentList list = ContentList::Media;
        EXPECT_EQ(SearchedListOfSubView(c.subView, list), c.searched) << c.subView;
        if (c.searched) {
            EXPECT_EQ(list, c.list) << c.subView;
        }
    }
}

TEST(PublicListViewCopy, SubViewSearchActsOnlyOnTheListOfTheCopies)
{
    PublicListViewCopy copy;
    copy.Assign(ContentList::Media, "", SampleSongs());
    std::vector<size_t> rows = {99};
    for (int pictureView : {1, 2, 3, 4}) {
        EXPECT_FALSE(copy.SearchSubView(pictureView, "beat", rows));
        EXPECT_EQ(rows, std::vector<size_t>{99});
    }
    EXPECT_FALSE(copy.SearchSubView(5, "beat", rows));  // contacts shown, songs copied
    ASSERT_TRUE(copy.SearchSubView(0, "beat", rows));
    EXPECT_EQ(rows, std::vector<size_t>{1});
}

TEST(PublicListViewCopy, ANulInADeviceTextDoesNotSplitItsColumn)
{
    ContentRow row;
    row.texts[0] = wxString(L"ab\0cd", 5);
    row.texts[3] = "genre";
    PublicListViewCopy copy;
    copy.Assign(ContentList::Media, "", {row});
    EXPECT_TRUE(copy.Search("cdgenre").empty());
    EXPECT_EQ(copy.Search("cd").size(), 1u);
    EXPECT_EQ(copy.Search("genre").size(), 1u);
}
