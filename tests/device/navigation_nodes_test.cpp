// The navigation tree's model: which nodes a device slot gives, their counts,
// icons, labels and views, built from hand-made plists.
#include <climits>
#include <memory>
#include <vector>

#include <gtest/gtest.h>
#include <plist/plist.h>

#include "app/language.h"
#include "device/device_slot.h"
#include "device/navigation_nodes.h"

namespace {

using PlistPtr = std::unique_ptr<void, decltype(&plist_free)>;

PlistPtr Hold(plist_t node)
{
    return PlistPtr(node, &plist_free);
}

plist_t MediaList(uint64_t number)
{
    plist_t dict = plist_new_dict();
    plist_dict_set_item(dict, "number", plist_new_uint(number));
    plist_dict_set_item(dict, "item", plist_new_array());
    return dict;
}

plist_t Shelves(const std::vector<std::pair<const char*, uint64_t>>& shelves, const char* nameKey)
{
    plist_t array = plist_new_array();
    for (const auto& [name, number] : shelves) {
        plist_t shelf = plist_new_dict();
        plist_dict_set_item(shelf, nameKey, plist_new_string(name));
        plist_dict_set_item(shelf, "number", plist_new_uint(number));
        plist_array_append_item(array, shelf);
    }
    return array;
}

plist_t DeviceInfo(const char* type)
{
    plist_t dict = plist_new_dict();
    plist_dict_set_item(dict, "Type", plist_new_string(type));
    return dict;
}

std::vector<int> Kinds(const NavigationNode& node)
{
    std::vector<int> kinds;
    for (const NavigationNode& child : node.children)
        kinds.push_back(child.kind);
    return kinds;
}

} // namespace

TEST(NavigationNodes, EveryCategoryInTreeOrderWithItsCountAndIcon)
{
    auto info = Hold(DeviceInfo("iPhone"));
    std::vector<PlistPtr> lists;
    auto list = [&](uint64_t number) {
        lists.push_back(Hold(MediaList(number)));
        return lists.back().get();
    };
    auto books = Hold(Shelves({{"Books", 12}, {"PDFs", 3}}, "catalog"));
    auto playlists = Hold(Shelves({{"Road Trip", 8}}, "name"));
    HandoverConversation conversation{};
    HandoverNote note{};
    HandoverBookmark bookmark{};
    HandoverContact contact{};

    DeviceSlot slot;
    slot.deviceName = "Anna's iPhone";
    slot.deviceInfo = info.get();
    slot.music = list(40);
    slot.movies = list(3);
    slot.tvShows = list(4);
    slot.podcasts = list(5);
    slot.audiobooks = list(1);
    slot.books = books.get();
    slot.ringtones = list(2);
    slot.playlists = playlists.get();
    slot.voiceMemos = list(6);
    slot.cameraRoll = list(62);
    slot.photos = list(30);
    slot.contacts = &contact;
    slot.sortedContacts = {&contact};
    slot.contactCount = 15;
    slot.messages = &conversation;
    slot.messageCount = 5;
    slot.notes = &note;
    slot.noteCount = 7;
    slot.bookmarks = &bookmark;
    slot.bookmarkCount = 8;

    const NavigationNode root = BuildDeviceNode(slot);
    EXPECT_EQ(root.kind, kNodeDevice);
    EXPECT_EQ(root.label, "Anna's iPhone");
    EXPECT_EQ(root.icon, 1);
    EXPECT_EQ(root.content, slot.deviceInfo);

    struct Expected {
        int kind, icon, count;
        void* content;
    };
    const Expected expected[] = {
        {kNodeMusic, 4, 40, slot.music},          {kNodeMovies, 5, 3, slot.movies},
        {kNodeTvShows, 6, 4, slot.tvShows},       {kNodePodcasts, 7, 5, slot.podcasts},
        {kNodeAudiobooks, 8, 1, slot.audiobooks}, {kNodeBooks, 9, 2, slot.books},
        {kNodeRingtones, 10, 2, slot.ringtones},  {kNodePlaylists, 11, 1, slot.playlists},
        {kNodeVoiceMemos, 12, 6, slot.voiceMemos}, {kNodeCameraRoll, 13, 62, slot.cameraRoll},
        {kNodePhotos, 14, 30, slot.photos},       {kNodeContacts, 15, 15, &slot.sortedContacts},
        {kNodeMessages, 16, 5, &conversation},    {kNodeNotes, 17, 7, &note},
        {kNodeBookmarks, 18, 8, &bookmark},
    };
    ASSERT_EQ(root.children.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        const NavigationNode& node = root.children[i];
        EXPECT_EQ(node.kind, expected[i].kind);
        EXPECT_EQ(node.icon, expected[i].icon);
        EXPECT_EQ(node.count, expected[i].count);
        EXPECT_EQ(node.content, expected[i].content);
        EXPECT_EQ(CategoryIndex(node.kind), static_cast<int>(i));
    }

    // Shelves and playlists below their categories, labelled "name (number)".
    const NavigationNode& booksNode = root.children[5];
    ASSERT_EQ(booksNode.children.size(), 2u);
    EXPECT_EQ(booksNode.children[0].label, "Books (12)");
    EXPECT_EQ(booksNode.children[1].label, "PDFs (3)");
    EXPECT_EQ(booksNode.children[1].kind, kNodeBookShelf);
    EXPECT_EQ(booksNode.children[1].count, 3);
    EXPECT_EQ(booksNode.children[1].icon, 9);
    EXPECT_EQ(booksNode.children[1].content, plist_array_get_item(slot.books, 1));
    const NavigationNode& playlistsNode = root.children[7];
    ASSERT_EQ(playlistsNode.children.size(), 1u);
    EXPECT_EQ(playlistsNode.children[0].label, "Road Trip (8)");
    EXPECT_EQ(playlistsNode.children[0].kind, kNodePlaylist);
    EXPECT_EQ(playlistsNode.children[0].icon, 11);
}

TEST(NavigationNodes, AbsentListsHaveNoNodeAndOddShapesGiveZero)
{
    auto music = Hold(MediaList(3));
    // Books that are not an array, a list without "number", a huge count.
    auto books = Hold(MediaList(7));
    auto movies = Hold(plist_new_dict());
    auto photos = Hold(MediaList(uint64_t(1) << 40));
    auto playlists = Hold(Shelves({{"", 18446744073709551615ull}}, "name"));

    DeviceSlot slot;
    slot.music = music.get();
    slot.books = books.get();
    slot.movies = movies.get();
    slot.photos = photos.get();
    slot.playlists = playlists.get();

    const NavigationNode root = BuildDeviceNode(slot);
    EXPECT_EQ(root.icon, 3);  // no device information: unknown type
    EXPECT_EQ(Kinds(root), (std::vector<int>{kNodeMusic, kNodeMovies, kNodeBooks, kNodePlaylists, kNodePhotos}));
    EXPECT_EQ(root.children[1].count, 0);
    EXPECT_EQ(root.children[2].count, 0);
    EXPECT_TRUE(root.children[2].children.empty());
    EXPECT_EQ(root.children[3].children[0].label, " (18446744073709551615)");
    EXPECT_EQ(root.children[3].children[0].count, INT_MAX);
    EXPECT_EQ(root.children[4].count, INT_MAX);
}

TEST(NavigationNodes, DeviceIconByTypeText)
{
    const struct {
        const char* type;
        int icon;
    } cases[] = {
        {"iPad", 0},          {"iPad mini iPhone", 0}, {"Apple iPhone 15 Pro", 1}, {"iPhoneiPod", 1},
        {"iPod touch", 2},    {"ipad", 3},             {"", 3},                     {"Watch", 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DeviceIconIndex(c.type), c.icon) << c.type;
        auto info = Hold(DeviceInfo(c.type));
        DeviceSlot slot;
        slot.deviceInfo = info.get();
        EXPECT_EQ(BuildDeviceNode(slot).icon, c.icon) << c.type;
    }
}

TEST(NavigationNodes, ViewOfEveryKind)
{
    const int views[] = {1, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4, 6, 8, 9, 10, 11};
    for (int kind = 0; kind < 18; ++kind)
        EXPECT_EQ(ViewForKind(kind), views[kind]) << kind;
    EXPECT_EQ(ViewForKind(18), -1);
    EXPECT_EQ(ViewForKind(-1), -1);
}

TEST(NavigationNodes, CategoryLabelsAreTranslated)
{
    InstallLocale(kLanguageGerman);
    EXPECT_EQ(CategoryLabel(kNodeMusic, 40), "Musik (40)");
    EXPECT_EQ(CategoryLabel(kNodeBookmarks, 0), "Safari (0)");
    EXPECT_EQ(CategoryLabel(kNodeBookShelf, 3), "");
    InstallLocale(kLanguageEnglish);
    EXPECT_EQ(CategoryLabel(kNodeContacts, 15), "Contacts (15)");
    EXPECT_EQ(CategoryLabel(kNodeVoiceMemos, 2), "Voice Memos (2)");
}
