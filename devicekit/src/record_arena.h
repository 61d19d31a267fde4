#ifndef DEVICEKIT_RECORD_ARENA_H
#define DEVICEKIT_RECORD_ARENA_H
// Owns every record and text of one list handed out by the content service.
// Deques keep the addresses of their elements, so records can link to each
// other while the list is being built.

#include "devicekit/devicekit.h"

#include <deque>
#include <string>

namespace devicekit {

class RecordArena {
public:
    // A stable copy of text.
    const char* Keep(const std::string& text);
    // The text of a string member of a dict, or null when it is missing or
    // not a string.
    const char* Text(plist_t dict, const char* key);

    HandoverContact* NewContact() { return &contacts_.emplace_back(); }
    HandoverProperty* NewProperty() { return &properties_.emplace_back(); }
    HandoverConversation* NewConversation() { return &conversations_.emplace_back(); }
    HandoverMessage* NewMessage() { return &messages_.emplace_back(); }
    HandoverNote* NewNote() { return &notes_.emplace_back(); }
    HandoverBookmark* NewBookmark() { return &bookmarks_.emplace_back(); }

private:
    std::deque<std::string> texts_;
    std::deque<HandoverContact> contacts_;
    std::deque<HandoverProperty> properties_;
    std::deque<HandoverConversation> conversations_;
    std::deque<HandoverMessage> messages_;
    std::deque<HandoverNote> notes_;
    std::deque<HandoverBookmark> bookmarks_;
};

} // namespace devicekit

#endif
