// Media, book, playlist and voice-memo rows from small lists built here.
#include <gtest/gtest.h>

#include "content/content_kind.h"
#include "content/media_rows.h"
#include "plist_fixture.h"

namespace {

enum { kTitle, kTime, kSize, kGenre, kArtist, kAlbum };

plist_t Book(const char* title, const char* path)
{
    return Dict({{"title", title}, {"genre", "Fiction"}, {"artist", "Author"}, {"album", ""}, {"path", path}});
}

plist_t Shelf(const char* catalog, std::initializer_list<plist_t> books)
{
    return Dict({{"catalog", catalog}, {"number", static_cast<std::uint64_t>(books.size())}, {"item", Array(books)}});
}

plist_t Playlist(const char* name, std::initializer_list<plist_t> songs)
{
    return Dict({{"name", name}, {"number", static_cast<std::uint64_t>(songs.size())}, {"item", Array(songs)}});
}

} // namespace

TEST(MediaRows, SongShowsFormattedTimeAndSizeAndKeepsTheByteCount)
{
    PlistPtr music(ItemList({Song("Northern Lights", (3 * 60 + 21) * 1000, 5 * 1048576, "Rock", "The Beatles",
                                  "Abbey Road", "/Music/F00/A.mp3")}));
    const std::vector<ContentRow> rows = BuildMediaRows(kKindMusic, music.get());
    ASSERT_EQ(rows.size(), 1u);
    const ContentRow& row = rows[0];
    EXPECT_EQ(row.texts[kTitle], "Northern Lights");
    EXPECT_EQ(row.texts[kTime], "0:3:21");
    EXPECT_EQ(row.texts[kSize], "5.00MB");
    EXPECT_EQ(row.texts[kGenre], "Rock");
    EXPECT_EQ(row.texts[kArtist], "The Beatles");
    EXPECT_EQ(row.texts[kAlbum], "Abbey Road");
    EXPECT_EQ(row.kind, kKindMusic);
    EXPECT_EQ(row.size, 5u * 1048576u);
    EXPECT_EQ(row.path, "/Music/F00/A.mp3");
    EXPECT_TRUE(row.collection.empty());
    EXPECT_EQ(row.rowRecord, nullptr);
}

TEST(MediaRows, EveryMediaKindKeepsItsCodeAndTheSourceOrder)
{
    PlistPtr list(ItemList({Song("b", 1000, 1, "", "", ""), Song("a", 2000, 2, "", "", ""),
                            Song("b", 1000, 1, "", "", "")}));
    for (int kind : {kKindMusic, kKindMovies, kKindTvShows, kKindPodcasts, kKindAudiobooks, kKindRingtones}) {
        const std::vector<ContentRow> rows = BuildMediaRows(kind, list.get());
        ASSERT_EQ(rows.size(), 3u) << kind;
        EXPECT_EQ(rows[0].texts[kTitle], "b");
        EXPECT_EQ(rows[1].texts[kTitle], "a");
        EXPECT_EQ(rows[2].texts[kTitle], "b");  // no de-duplication
        for (const ContentRow& row : rows)
            EXPECT_EQ(row.kind, kind);
    }
}

TEST(MediaRows, AnItemWithoutNumbersShowsEmptyCellsNotThePreviousValues)
{
    PlistPtr list(ItemList({Song("first", 61000, 2048, "", "", ""),
                            Dict({{"title", "bare"}, {"time", "not a number"}})}));
    const std::vector<ContentRow> rows = BuildMediaRows(kKindMusic, list.get());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].texts[kTime], "0:1:1");
    EXPECT_EQ(rows[1].texts[kTitle], "bare");
    EXPECT_TRUE(rows[1].texts[kTime].empty());
    EXPECT_TRUE(rows[1].texts[kSize].empty());
    EXPECT_EQ(rows[1].size, 0u);
    EXPECT_TRUE(rows[1].texts[kGenre].empty());
    EXPECT_TRUE(rows[1].path.empty());
}

TEST(MediaRows, ContentOfTheWrongShapeGivesNoRows)
{
    PlistPtr emptyList(ItemList({}));
    PlistPtr array(Array({Song("x", 1, 1, "", "", "")}));
    PlistPtr noItems(Dict({{"number", std::uint64_t{3}}}));
    PlistPtr itemNotArray(Dict({{"item", "text"}}));
    PlistPtr stray(ItemList({plist_new_string("not a dict"), Song("kept", 1, 1, "", "", "")}));

    EXPECT_TRUE(BuildMediaRows(kKindMusic, nullptr).empty());
    EXPECT_TRUE(BuildMediaRows(kKindMusic, emptyList.get()).empty());
    EXPECT_TRUE(BuildMediaRows(kKindMusic, array.get()).empty());
    EXPECT_TRUE(BuildMediaRows(kKindMusic, noItems.get()).empty());
    EXPECT_TRUE(BuildMediaRows(kKindMusic, itemNotArray.get()).empty());
    EXPECT_TRUE(BuildVoiceMemoRows(array.get()).empty());
    EXPECT_TRUE(BuildBookRows(kKindBooks, emptyList.get()).empty());   // a dict where shelves belong
    EXPECT_TRUE(BuildBookRows(kKindBookShelf, array.get()).empty());   // an array where a shelf belongs
    EXPECT_TRUE(BuildPlaylistRows(kKindPlaylists, nullptr).empty());

    const std::vector<ContentRow> rows = BuildMediaRows(kKindMusic, stray.get());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].texts[kTitle], "kept");
}

TEST(MediaRows, TwoShelvesGiveTheirBooksInShelfOrder)
{
    PlistPtr shelves(Array({Shelf("Books", {Book("Alice", "/Books/alice.epub"), Book("Emma", "/Books/emma.epub")}),
                            Shelf("PDFs", {Book("Manual", "/PDF/m.pdf"), Book("Guide", "/PDF/g.pdf"),
                                           Book("Notes", "/PDF/n.pdf")})}));
    const std::vector<ContentRow> all = BuildBookRows(kKindBooks, shelves.get());
    ASSERT_EQ(all.size(), 5u);
    const char* const titles[] = {"Alice", "Emma", "Manual", "Guide", "Notes"};
    const char* const shelvesOf[] = {"Books", "Books", "PDFs", "PDFs", "PDFs"};
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].texts[kTitle], titles[i]);
        EXPECT_TRUE(all[i].texts[kTime].empty());
        EXPECT_TRUE(all[i].texts[kSize].empty());
        EXPECT_EQ(all[i].texts[kGenre], "Fiction");
        EXPECT_EQ(all[i].texts[kArtist], "Author");
        EXPECT_EQ(all[i].size, 0u);
        EXPECT_EQ(all[i].collection, shelvesOf[i]);
        EXPECT_EQ(all[i].kind, kKindBooks);
    }
    EXPECT_EQ(all[2].path, "/PDF/m.pdf");

    plist_t second = plist_array_get_item(shelves.get(), 1);
    const std::vector<ContentRow> one = BuildBookRows(kKindBookShelf, second);
    ASSERT_EQ(one.size(), 3u);
    EXPECT_EQ(one[0].texts[kTitle], "Manual");
    for (const ContentRow& row : one) {
        EXPECT_EQ(row.kind, kKindBookShelf);
        EXPECT_EQ(row.collection, "PDFs");
    }
}

TEST(MediaRows, PlaylistsGiveTheirSongsWithThePlaylistName)
{
    PlistPtr playlists(Array({Playlist("Road Trip", {Song("One", 1000, 100, "Pop", "A", "X")}),
                              Playlist("Late Night", {}),
                              Playlist("Jazz", {Song("Two", 2000, 200, "Jazz", "B", "Y"),
                                                Song("Three", 3000, 300, "Jazz", "C", "Z")})}));
    const std::vector<ContentRow> all = BuildPlaylistRows(kKindPlaylists, playlists.get());
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].collection, "Road Trip");
    EXPECT_EQ(all[1].collection, "Jazz");
    EXPECT_EQ(all[2].texts[kTitle], "Three");
    EXPECT_EQ(all[2].texts[kTime], "0:0:3");
    EXPECT_EQ(all[2].size, 300u);
    EXPECT_EQ(all[2].kind, kKindPlaylists);

    const std::vector<ContentRow> one = BuildPlaylistRows(kKindPlaylist, plist_array_get_item(playlists.get(), 2));
    ASSERT_EQ(one.size(), 2u);
    EXPECT_EQ(one[0].kind, kKindPlaylist);
    EXPECT_EQ(one[0].collection, "Jazz");
}

TEST(MediaRows, VoiceMemoShowsItsNameOrElseItsTitle)
{
    PlistPtr memos(ItemList({
        Dict({{"name", "Meeting"}, {"title", "Recording 1"}, {"path", "/R/1.m4a"}, {"time", std::uint64_t{754000}},
              {"size", std::uint64_t{1210496}}}),
        Dict({{"name", ""}, {"title", "Recording 2"}, {"path", "/R/2.m4a"}, {"time", std::uint64_t{92000}},
              {"size", std::uint64_t{151296}}}),
        Dict({{"title", "Recording 3"}}),
    }));
    const std::vector<ContentRow> rows = BuildVoiceMemoRows(memos.get());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].texts[kTitle], "Meeting");
    EXPECT_EQ(rows[1].texts[kTitle], "Recording 2");
    EXPECT_EQ(rows[2].texts[kTitle], "Recording 3");
    EXPECT_EQ(rows[1].texts[kTime], "0:1:32");
    EXPECT_EQ(rows[1].texts[kSize], "147.75KB");
    EXPECT_EQ(rows[1].path, "/R/2.m4a");
    for (const ContentRow& row : rows) {
        EXPECT_EQ(row.kind, kKindVoiceMemos);
        EXPECT_TRUE(row.texts[kGenre].empty());
        EXPECT_TRUE(row.texts[kArtist].empty());
        EXPECT_TRUE(row.texts[kAlbum].empty());
    }
}

TEST(MediaRows, NonAsciiTextsAreDecodedAsUtf8)
{
    PlistPtr music(ItemList({Song("\xCE\x9D\xCF\x8D\xCF\x87\xCF\x84\xCE\xB1", 1000, 1, "", "\xE6\x9E\x97", "")}));
    const std::vector<ContentRow> rows = BuildMediaRows(kKindMusic, music.get());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].texts[kTitle], wxString::FromUTF8("Νύχτα"));
    EXPECT_EQ(rows[0].texts[kArtist], wxString::FromUTF8("林"));
}
