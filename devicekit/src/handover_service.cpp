// The content service table: contacts, messages, notes and bookmarks of a
// device as linked records. Each list lives in its own arena, kept by the
// record store until its head comes back to the matching Free* entry.

#include "devicekit/devicekit.h"

#include "folder_device_locator.h"
#include "record_reader.h"
#include "record_store.h"

#include <memory>

namespace devicekit {

namespace {

// Runs read for the folder device with this id; null and a count of 0 for an
// unknown device.
template <typename Record, typename Read>
Record* ReadRecords(const char* deviceId, int* count, Read read)
{
    if (count)
        *count = 0;
    FolderDeviceEntry entry;
    if (!FolderDeviceLocator::Find(deviceId, &entry))
        return nullptr;
    auto arena = std::make_unique<RecordArena>();
    Record* head = read(RecordReader(entry.folder), arena.get());
    return RecordStore::Keep(head, std::move(arena));
}

HandoverContact* GetContacts(void*, const char* deviceId, int* count)
{
    return ReadRecords<HandoverContact>(deviceId, count, [count](const RecordReader& reader, RecordArena* arena) {
        return reader.Contacts(arena, count);
    });
}

HandoverConversation* GetMessages(void*, const char* deviceId, int* count, HandoverContact* contacts)
{
    return ReadRecords<HandoverConversation>(
        deviceId, count, [count, contacts](const RecordReader& reader, RecordArena* arena) {
            return reader.Messages(arena, count, contacts);
        });
}

HandoverNote* GetNotes(void*, const char* deviceId, int* count)
{
    return ReadRecords<HandoverNote>(deviceId, count, [count](const RecordReader& reader, RecordArena* arena) {
        return reader.Notes(arena, count);
    });
}

HandoverBookmark* GetBookmarks(void*, const char* deviceId, int* count)
{
    return ReadRecords<HandoverBookmark>(deviceId, count, [count](const RecordReader& reader, RecordArena* arena) {
        return reader.Bookmarks(arena, count);
    });
}

void FreeContacts(HandoverContact* head) { RecordStore::Release(head); }
void FreeMessages(HandoverConversation* head) { RecordStore::Release(head); }
void FreeNotes(HandoverNote* head) { RecordStore::Release(head); }
void FreeBookmarks(HandoverBookmark* root) { RecordStore::Release(root); }

} // namespace

} // namespace devicekit

extern "C" HandoverService* CreateHandoverService(void)
{
    using namespace devicekit;
    return new HandoverService{GetContacts, GetMessages, GetNotes, GetBookmarks,
                               FreeContacts, FreeMessages, FreeNotes, FreeBookmarks};
}

extern "C" void FreeHandoverService(HandoverService* service)
{
    delete service;
}
