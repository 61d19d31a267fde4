#pragma once
// Rows of the media list, built from the lists the detection stored in the
// DeviceTable. One row per item in the order of the source, nothing sorted or
// merged. Texts: Title, Time, Size, Genres, Artists, Albums.
//
// Each function takes the content of a navigation node (shared, owned by the
// DeviceTable) and returns the rows; content of the wrong shape gives fewer
// rows or none, never an error.

#include <vector>

#include <plist/plist.h>

#include "content/content_row.h"

// Music, movies, TV shows, podcasts, audiobooks and ringtones (kinds 1 to 5
// and 8): the category dict's "item" array.
std::vector<ContentRow> BuildMediaRows(int kind, plist_t category);

// Kind 6: the array of shelves, each shelf's books in turn; kind 7: one shelf
// dict. Books show no time or size, have size 0 and the shelf's "catalog" as
// collection.
std::vector<ContentRow> BuildBookRows(int kind, plist_t content);

// Kind 9: the array of playlists, each playlist's songs in turn; kind 10: one
// playlist dict. The playlist's "name" is the collection.
std::vector<ContentRow> BuildPlaylistRows(int kind, plist_t content);

// Kind 11: the category dict. The title cell is the memo's "name", or its
// "title" when the name is missing or empty; genre, artist and album are empty.
std::vector<ContentRow> BuildVoiceMemoRows(plist_t category);
