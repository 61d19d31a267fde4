#include "device/navigation_nodes.h"

#include <climits>
#include <cstdint>

#include <wx/intl.h>

#include "app/text_format.h"
#include "device/device_slot.h"
#include "device/plist_fields.h"

namespace {

const char* const kIconFiles[kNavigationIconCount] = {
    "ipad.png",       "iphone.png",    "ipod.png",     "unknow.png",     "music.png",
    "movie.png",      "tv_show.png",   "podcast.png",  "audiobook.png",  "book.png",
    "ringtone.png",   "playlist.png",  "voice_memo.png", "camera_roll.png", "photo.png",
    "contacts.png",   "messages.png",  "notes.png",    "safari.png",
};

struct CategoryInfo {
    int kind;
    int icon;
    const char* name;
    int view;
};

// The fifteen categories in tree order.
const CategoryInfo kCategories[kCategoryCount] = {
    {kNodeMusic, 4, wxTRANSLATE("Music"), 3},
    {kNodeMovies, 5, wxTRANSLATE("Movies"), 3},
    {kNodeTvShows, 6, wxTRANSLATE("TV Shows"), 3},
    {kNodePodcasts, 7, wxTRANSLATE("Podcasts"), 3},
    {kNodeAudiobooks, 8, wxTRANSLATE("Audiobooks"), 3},
    {kNodeBooks, 9, wxTRANSLATE("Books"), 3},
    {kNodeRingtones, 10, wxTRANSLATE("Ringtones"), 3},
    {kNodePlaylists, 11, wxTRANSLATE("Playlists"), 3},
    {kNodeVoiceMemos, 12, wxTRANSLATE("Voice Memos"), 3},
    {kNodeCameraRoll, 13, wxTRANSLATE("Camera Roll"), 4},
    {kNodePhotos, 14, wxTRANSLATE("Photos"), 6},
    {kNodeContacts, 15, wxTRANSLATE("Contacts"), 8},
    {kNodeMessages, 16, wxTRANSLATE("Messages"), 9},
    {kNodeNotes, 17, wxTRANSLATE("Notes"), 10},
    {kNodeBookmarks, 18, wxTRANSLATE("Safari"), 11},
};

const CategoryInfo* FindCategory(int kind)
{
    for (const CategoryInfo& category : kCategories) {
        if (category.kind == kind)
            return &category;
    }
    return nullptr;
}

std::uint64_t UintMember(plist_t dict, const char* key)
{
    std::uint64_t value = 0;
    DictUint(dict, key, value);
    return value;
}

// Counts are shown as int; a device that claims more cannot be shown truthfully
// anyway, so the count stops at the largest int instead of wrapping negative.
int ToCount(std::uint64_t value)
{
    return value > static_cast<std::uint64_t>(INT_MAX) ? INT_MAX : static_cast<int>(value);
}

int ArraySize(plist_t array)
{
    if (array == nullptr || plist_get_node_type(array) != PLIST_ARRAY)
        return 0;
    return ToCount(plist_array_get_size(array));
}

// One child per element of a books or playlists array: "name (number)".
void AddArrayChildren(NavigationNode& parent, plist_t array, int childKind, const char* nameKey)
{
    ForEachArrayElement(array, [&](plist_t element) {
        const std::uint64_t number = UintMember(element, "number");
        NavigationNode child;
        child.kind = childKind;
        child.icon = parent.icon;
        child.count = ToCount(number);
        child.content = element;
        child.label = wxString::Format("%s (%llu)", DictString(element, nameKey),
                                       static_cast<unsigned long long>(number));
        parent.children.push_back(std::move(child));
    });
}

NavigationNode CategoryNode(int kind, void* content, int count)
{
    NavigationNode node;
    node.kind = kind;
    node.icon = FindCategory(kind)->icon;
    node.count = count;
    node.content = content;
    return node;
}

void AddListCategory(NavigationNode& root, int kind, plist_t list)
{
    if (list != nullptr)
        root.children.push_back(CategoryNode(kind, list, ToCount(UintMember(list, "number"))));
}

template <class Record>
void AddRecordCategory(NavigationNode& root, int kind, Record* records, int count)
{
    if (records != nullptr)
        root.children.push_back(CategoryNode(kind, records, count));
}

} // namespace

const char* NavigationIconFile(int index)
{
    return index >= 0 && index < kNavigationIconCount ? kIconFiles[index] : nullptr;
}

NavigationNode BuildDeviceNode(DeviceSlot& slot)
{
    NavigationNode root;
    root.kind = kNodeDevice;
    root.icon = DeviceIconIndex(DeviceTypeOf(slot.deviceInfo));
    root.content = slot.deviceInfo;
    root.label = slot.deviceName;

    AddListCategory(root, kNodeMusic, slot.music);
    AddListCategory(root, kNodeMovies, slot.movies);
    AddListCategory(root, kNodeTvShows, slot.tvShows);
    AddListCategory(root, kNodePodcasts, slot.podcasts);
    AddListCategory(root, kNodeAudiobooks, slot.audiobooks);
    if (slot.books != nullptr) {
        root.children.push_back(CategoryNode(kNodeBooks, slot.books, ArraySize(slot.books)));
        AddArrayChildren(root.children.back(), slot.books, kNodeBookShelf, "catalog");
    }
    AddListCategory(root, kNodeRingtones, slot.ringtones);
    if (slot.playlists != nullptr) {
        root.children.push_back(CategoryNode(kNodePlaylists, slot.playlists, ArraySize(slot.playlists)));
        AddArrayChildren(root.children.back(), slot.playlists, kNodePlaylist, "name");
    }
    AddListCategory(root, kNodeVoiceMemos, slot.voiceMemos);
    AddListCategory(root, kNodeCameraRoll, slot.cameraRoll);
    AddListCategory(root, kNodePhotos, slot.photos);
    if (slot.contacts != nullptr)
        root.children.push_back(CategoryNode(kNodeContacts, &slot.sortedContacts, slot.contactCount));
    AddRecordCategory(root, kNodeMessages, slot.messages, slot.messageCount);
    AddRecordCategory(root, kNodeNotes, slot.notes, slot.noteCount);
    AddRecordCategory(root, kNodeBookmarks, slot.bookmarks, slot.bookmarkCount);
    return root;
}

int DeviceIconIndex(const wxString& type)
{
    if (type.Contains("iPad"))
        return 0;
    if (type.Contains("iPhone"))
        return 1;
    if (type.Contains("iPod"))
        return 2;
    return 3;
}

wxString DeviceTypeOf(plist_t deviceInfo)
{
    return DictString(deviceInfo, "Type");
}

int CategoryIndex(int kind)
{
    for (int i = 0; i < kCategoryCount; ++i) {
        if (kCategories[i].kind == kind)
            return i;
    }
    return -1;
}

const char* CategoryName(int kind)
{
    const CategoryInfo* category = FindCategory(kind);
    return category != nullptr ? category->name : nullptr;
}

wxString CategoryLabel(int kind, int count)
{
    const char* name = CategoryName(kind);
    if (name == nullptr)
        return wxString();
    return wxString::Format("%s (%d)", wxGetTranslation(name), count);
}

int ViewForKind(int kind)
{
    if (kind == kNodeDevice)
        return 1;
    if (kind == kNodeBookShelf || kind == kNodePlaylist)
        return 3;
    const CategoryInfo* category = FindCategory(kind);
    return category != nullptr ? category->view : -1;
}
