#pragma once
// The lists of the content view that hold rows built by the loaders, and
// which of their text columns the search looks at.

#include <vector>

enum class ContentList {
    Media,          // music, movies, ..., books, playlists, voice memos
    Pictures,       // camera-roll and photo list views
    Contacts,
    Conversations,
    Notes,
    Bookmarks,
};

// How many text cells (from column 2 on) a row of the list has.
int TextColumnCount(ContentList list);

// Indices into ContentRow::texts that a search compares, in column order:
// media Title, Genres, Artists, Albums (never Time or Size); every text
// column of the record lists; none for pictures.
const std::vector<int>& SearchedColumns(ContentList list);

// Sub-view indices of the content view: 0 media panel, 1 and 2 camera roll
// icons and list, 3 and 4 photos icons and list, 5 contacts, 6 message panel,
// 7 notes, 8 bookmarks. Answers whether a search acts on the shown sub-view,
// and on which list; the picture views have no search.
bool SearchedListOfSubView(int subViewIndex, ContentList& list);
