#ifndef DEMO_DEVICE_LARGE_DEVICE_H
#define DEMO_DEVICE_LARGE_DEVICE_H
// A synthetic device for the performance benchmarks: 50,000 songs, 20,000
// camera-roll pictures, 5,000 contacts and 100,000 messages. Its files are
// hard links to a few real files, so it costs little disk space; its lists
// are binary plists.

#include <string>

class LargeDevice {
public:
    static constexpr int kSongs = 50000;
    static constexpr int kPictures = 20000;
    static constexpr int kPhotos = 2000;
    static constexpr int kContacts = 5000;
    static constexpr int kConversations = 2000;
    static constexpr int kMessagesPerConversation = 50;
    static constexpr int kNotes = 500;
    static constexpr int kBookmarkFolders = 20;
    static constexpr int kBookmarksPerFolder = 50;

    static bool Write(const std::string& folder);
};

#endif
