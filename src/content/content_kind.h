#pragma once
// Category codes of the navigation nodes, shared by the navigation tree, the
// loaders and the records they attach to rows.

#include <wx/string.h>

enum ContentKind : int {
    kKindDevice = 0,
    kKindMusic = 1,
    kKindMovies = 2,
    kKindTvShows = 3,
    kKindPodcasts = 4,
    kKindAudiobooks = 5,
    kKindBooks = 6,         // every shelf
    kKindBookShelf = 7,     // one shelf
    kKindRingtones = 8,
    kKindPlaylists = 9,     // every playlist
    kKindPlaylist = 10,     // one playlist
    kKindVoiceMemos = 11,
    kKindCameraRoll = 12,
    kKindPhotos = 13,
    kKindContacts = 14,
    kKindMessages = 15,
    kKindNotes = 16,
    kKindBookmarks = 17,
};

// The theme image of a category's rows, the same picture the navigation tree
// shows for it: "image/client/navigation/music.png" for music. Empty for the
// device node and unknown codes.
wxString TypeIconPath(int kind);
