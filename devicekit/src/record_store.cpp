#include "record_store.h"

#include <mutex>
#include <unordered_map>

namespace devicekit {

namespace {

std::mutex& StoreMutex()
{
    static std::mutex mutex;
    return mutex;
}

// Deliberately leaked: lists still held at exit stay valid for static
// destructors of the program that may walk them.
std::unordered_map<const void*, std::unique_ptr<RecordArena>>& Arenas()
{
    static auto* arenas = new std::unordered_map<const void*, std::unique_ptr<RecordArena>>();
    return *arenas;
}

} // namespace

void RecordStore::KeepArena(const void* head, std::unique_ptr<RecordArena> arena)
{
    if (!head)
        return;
    std::lock_guard<std::mutex> lock(StoreMutex());
    Arenas()[head] = std::move(arena);
}

void RecordStore::Release(const void* head)
{
    if (!head)
        return;
    std::unique_ptr<RecordArena> arena;
    {
        std::lock_guard<std::mutex> lock(StoreMutex());
        auto found = Arenas().find(head);
        if (found == Arenas().end())
            return;
        arena = std::move(found->second);
        Arenas().erase(found);
    }
}

} // namespace devicekit
