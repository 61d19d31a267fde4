// The genre, artist and album filter lists and the rows a choice shows.
#include <gtest/gtest.h>

#include "app/language.h"
#include "content/media_filter.h"

namespace {

ContentRow Song(const char* title, const char* genre, const char* artist, const char* album)
{
    ContentRow row;
    row.texts[0] = title;
    row.texts[3] = genre;
    row.texts[4] = artist;
    row.texts[5] = album;
    row.kind = 1;
    return row;
}

class MediaFilter : public testing::Test {
protected:
    void SetUp() override
    {
        InstallLocale(kLanguageEnglish);
        copy.Assign(ContentList::Media, "",
                    {Song("a", "Rock", "Band", "One"), Song("b", "rock", "band", "One"), Song("c", "Pop", "Band", ""),
                     Song("d", "Rock", "Solo", ""), Song("e", "", "Solo", "Two")});
    }

    PublicListViewCopy copy;
};

} // namespace

TEST_F(MediaFilter, ListsAllThenEachExactTextOnceInFirstOrder)
{
    EXPECT_EQ(BuildFilterRows(copy, FilterColumn::Genre), (std::vector<wxString>{"(All)", "Rock", "rock", "Pop", ""}));
    EXPECT_EQ(BuildFilterRows(copy, FilterColumn::Artist),
              (std::vector<wxString>{"(All)", "Band", "band", "Solo"}));
    EXPECT_EQ(BuildFilterRows(copy, FilterColumn::Album), (std::vector<wxString>{"(All)", "One", "", "Two"}));

    PublicListViewCopy contacts;
    contacts.Assign(ContentList::Contacts, "", {Song("x", "Rock", "", "")});
    EXPECT_EQ(BuildFilterRows(contacts, FilterColumn::Genre), (std::vector<wxString>{"(All)"}));
}

TEST_F(MediaFilter, ChoosingARowShowsItsTextInAnyCase)
{
    const std::vector<wxString> genres = BuildFilterRows(copy, FilterColumn::Genre);
    // Rows: (All), Rock, rock, Pop, "".
    EXPECT_EQ(FilterMediaRows(copy, FilterColumn::Genre, genres, 2), (std::vector<size_t>{0, 1, 3}));
    EXPECT_EQ(FilterMediaRows(copy, FilterColumn::Genre, genres, 1), (std::vector<size_t>{0, 1, 3}));
    EXPECT_EQ(FilterMediaRows(copy, FilterColumn::Genre, genres, 3), (std::vector<size_t>{2}));
    EXPECT_EQ(FilterMediaRows(copy, FilterColumn::Genre, genres, 4), (std::vector<size_t>{4}));
    EXPECT_TRUE(FilterMediaRows(copy, FilterColumn::Genre, genres, 5).empty());

    const std::vector<wxString> albums = BuildFilterRows(copy, FilterColumn::Album);
    EXPECT_EQ(FilterMediaRows(copy, FilterColumn::Album, albums, 1), (std::vector<size_t>{0, 1}));
    const std::vector<wxString> artists = BuildFilterRows(copy, FilterColumn::Artist);
    EXPECT_EQ(FilterMediaRows(copy, FilterColumn::Artist, artists, 3), (std::vector<size_t>{3, 4}));
}

TEST_F(MediaFilter, AllRestoresEveryRowUnchecked)
{
    const std::vector<wxString> genres = BuildFilterRows(copy, FilterColumn::Genre);
    ASSERT_EQ(FilterMediaRows(copy, FilterColumn::Genre, genres, 3).size(), 1u);
    const std::vector<size_t> all = FilterMediaRows(copy, FilterColumn::Genre, genres, 0);
    EXPECT_EQ(all, (std::vector<size_t>{0, 1, 2, 3, 4}));
    for (size_t row : all)
        EXPECT_FALSE(copy.Item(row).checked);
}

TEST_F(MediaFilter, AGenreNamedLikeTheAllRowIsAnOrdinaryValue)
{
    copy.Assign(ContentList::Media, "", {Song("a", "(All)", "", ""), Song("b", "Pop", "", "")});
    const std::vector<wxString> genres = BuildFilterRows(copy, FilterColumn::Genre);
    ASSERT_EQ(genres, (std::vector<wxString>{"(All)", "(All)", "Pop"}));
    EXPECT_EQ(FilterMediaRows(copy, FilterColumn::Genre, genres, 1), (std::vector<size_t>{0}));
    EXPECT_EQ(FilterMediaRows(copy, FilterColumn::Genre, genres, 0).size(), 2u);
}

TEST_F(MediaFilter, TheAllRowIsTranslated)
{
    InstallLocale(kLanguageGerman);
    EXPECT_EQ(BuildFilterRows(copy, FilterColumn::Genre)[0], "(Alle)");
    InstallLocale(kLanguageEnglish);
}
