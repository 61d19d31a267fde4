#ifndef DEVICEKIT_RECORD_READER_H
#define DEVICEKIT_RECORD_READER_H
// Builds the content service's linked records from the records/ files of a
// folder device. Every record and text lives in the arena given; a missing
// or unusable file gives a null head and a count of 0, a member that is
// missing or of the wrong type gives a null text.

#include "record_arena.h"

#include <string>

namespace devicekit {

class RecordReader {
public:
    // Bookmark folders nested deeper than this are cut off.
    static constexpr int kMaxBookmarkDepth = 32;

    explicit RecordReader(std::string deviceFolder) : folder_(std::move(deviceFolder)) {}

    HandoverContact* Contacts(RecordArena* arena, int* count) const;
    // A conversation without a name of its own takes the name of the contact
    // that has its phone number among its property values.
    HandoverConversation* Messages(RecordArena* arena, int* count, const HandoverContact* contacts) const;
    HandoverNote* Notes(RecordArena* arena, int* count) const;
    // The root folder; count is the number of bookmarks with a URL.
    HandoverBookmark* Bookmarks(RecordArena* arena, int* count) const;

private:
    std::string folder_;
};

} // namespace devicekit

#endif
