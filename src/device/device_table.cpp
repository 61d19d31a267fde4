#include "device/device_table.h"

#include "device/device_services.h"

DeviceTable deviceTable;

namespace {

void FreePlist(plist_t& node)
{
    if (node != nullptr)
        plist_free(node);
    node = nullptr;
}

} // namespace

void DeviceTable::ReleaseContent()
{
    PodDeviceService* devices = GetPodDeviceService();
    HandoverService* content = GetHandoverService();
    const int used = deviceCount < kSlotCount ? deviceCount : kSlotCount;
    for (int i = 0; i < used; ++i) {
        DeviceSlot& slot = slots[i];
        if (slot.device != nullptr && devices != nullptr)
            devices->CloseDevice(slot.device);
        slot.device = nullptr;

        for (plist_t* node : {&slot.deviceInfo, &slot.music, &slot.movies, &slot.tvShows, &slot.podcasts,
                              &slot.audiobooks, &slot.books, &slot.ringtones, &slot.playlists,
                              &slot.voiceMemos, &slot.cameraRoll, &slot.photos})
            FreePlist(*node);

        // The record lists go too: the navigation pane has emptied its selector
        // and tree before a detection starts, so nothing points into them.
        slot.sortedContacts.clear();
        if (content != nullptr) {
            content->FreeMessages(slot.messages);
            content->FreeContacts(slot.contacts);
            content->FreeNotes(slot.notes);
            content->FreeBookmarks(slot.bookmarks);
        }
        slot.messages = nullptr;
        slot.contacts = nullptr;
        slot.notes = nullptr;
        slot.bookmarks = nullptr;
        slot.contactCount = slot.messageCount = slot.noteCount = slot.bookmarkCount = 0;
    }
}

DeviceSlot* CurrentSlot(DeviceTable& table)
{
    if (table.currentIndex < 0 || table.currentIndex >= table.deviceCount ||
        table.currentIndex >= DeviceTable::kSlotCount)
        return nullptr;
    DeviceSlot* slot = &table.slots[table.currentIndex];
    return slot->inUse ? slot : nullptr;
}
