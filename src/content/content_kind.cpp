#include "content/content_kind.h"

wxString TypeIconPath(int kind)
{
    static const char* const kIconFiles[] = {
        nullptr,            "music.png",      "movie.png",       "tv_show.png",   "podcast.png",
        "audiobook.png",    "book.png",       "book.png",        "ringtone.png",  "playlist.png",
        "playlist.png",     "voice_memo.png", "camera_roll.png", "photo.png",     "contacts.png",
        "messages.png",     "notes.png",      "safari.png",
    };
    const int count = static_cast<int>(sizeof(kIconFiles) / sizeof(kIconFiles[0]));
    if (kind <= kKindDevice || kind >= count)
        return wxString();
    return wxString("image/client/navigation/") + kIconFiles[kind];
}
