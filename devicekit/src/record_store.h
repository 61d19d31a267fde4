#ifndef DEVICEKIT_RECORD_STORE_H
#define DEVICEKIT_RECORD_STORE_H
// Keeps the arena of every record list the content service handed out, keyed
// by the list's head, until the caller gives the head back to a Free* entry.

#include "record_arena.h"

#include <memory>

namespace devicekit {

class RecordStore {
public:
    // Takes the arena; returns head for convenience (null heads own nothing).
    template <typename Record>
    static Record* Keep(Record* head, std::unique_ptr<RecordArena> arena)
    {
        KeepArena(head, std::move(arena));
        return head;
    }
    // Frees the arena of this head; an unknown or null head is ignored.
    static void Release(const void* head);

private:
    static void KeepArena(const void* head, std::unique_ptr<RecordArena> arena);
};

} // namespace devicekit

#endif
