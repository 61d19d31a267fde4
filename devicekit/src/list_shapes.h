#ifndef DEVICEKIT_LIST_SHAPES_H
#define DEVICEKIT_LIST_SHAPES_H
// Rebuilds the lists read from a folder device into exactly the shapes the
// program reads, so that a hand-edited or damaged file can never hand it a
// node of the wrong type. Every function takes the parsed file (or null) and
// returns a fresh tree the caller owns, or null when the root is unusable.
//
// Rules: a root of the wrong type gives null; an element of an item array
// that is not a dict is dropped; a string member that is missing or of
// another type becomes ""; a number member becomes 0; "number" is always the
// count of the items actually returned.

#include "plist_file.h"

namespace devicekit {

class ListShapes {
public:
    // dict {"number", "item": [{title, genre, artist, album, path; time, size}]}
    static PlistPtr Media(plist_t source);
    // array of {"name", "number", "item": [media items]}
    static PlistPtr Playlists(plist_t source);
    // array of {"catalog", "number", "item": [{title, genre, artist, album, path}]}
    static PlistPtr Books(plist_t source);
    // dict {"number", "item": [{name, title, path; time, size}]}
    static PlistPtr VoiceMemos(plist_t source);
    // dict {"number", "item": [{path, time (string); size}]}
    static PlistPtr Pictures(plist_t source);
    // dict with the ten device-information keys that are present with the
    // right type; an unusable root gives an empty dict, never null.
    static PlistPtr DeviceInfo(plist_t source);
};

} // namespace devicekit

#endif
