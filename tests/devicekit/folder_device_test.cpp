// Listing and opening folder devices, and the lists of the demo devices.

#include "devicekit_fixture.h"

#include "support/temp_home.h"

#include <sys/stat.h>

#include <functional>
#include <map>
#include <regex>
#include <set>

namespace {

// Checks that every item of an array has exactly the given string and uint
// members (and nothing else) and returns the number of items.
void ExpectItemShape(plist_t items, const std::vector<const char*>& strings, const std::vector<const char*>& uints,
                     const std::string& where)
{
    ASSERT_NE(items, nullptr) << where;
    ASSERT_EQ(plist_get_node_type(items), PLIST_ARRAY) << where;
    for (uint32_t i = 0; i < plist_array_get_size(items); ++i) {
        plist_t item = plist_array_get_item(items, i);
        ASSERT_EQ(plist_get_node_type(item), PLIST_DICT) << where << " item " << i;
        EXPECT_EQ(plist_dict_get_size(item), strings.size() + uints.size()) << where << " item " << i;
        for (const char* key : strings)
            EXPECT_NE(StringOf(item, key), "<missing>") << where << " item " << i << " " << key;
        for (const char* key : uints)
            EXPECT_NE(UintOf(item, key), UINT64_MAX) << where << " item " << i << " " << key;
    }
}

const std::vector<const char*> kMediaText = {"title", "genre", "artist", "album", "path"};
const std::vector<const char*> kTimeSize = {"time", "size"};

// The item list of a dict-shaped category: "number" equals the item count.
void ExpectItemList(plist_t list, uint32_t count, const std::vector<const char*>& strings,
                    const std::vector<const char*>& uints, const std::string& where)
{
    ASSERT_NE(list, nullptr) << where;
    ASSERT_EQ(plist_get_node_type(list), PLIST_DICT) << where;
    EXPECT_EQ(plist_dict_get_size(list), 2u) << where;
    EXPECT_EQ(UintOf(list, "number"), count) << where;
    EXPECT_EQ(ArraySize(ItemsOf(list)), count) << where;
    ExpectItemShape(ItemsOf(list), strings, uints, where);
}

// Groups (playlists, shelves): array of {nameKey, number, item}.
void ExpectGroups(plist_t list, const char* nameKey, const std::vector<std::pair<std::string, uint32_t>>& groups,
                  const std::vector<const char*>& uints, const std::string& where)
{
    ASSERT_NE(list, nullptr) << where;
    ASSERT_EQ(ArraySize(list), groups.size()) << where;
    for (uint32_t i = 0; i < groups.size(); ++i) {
        plist_t group = plist_array_get_item(list, i);
        EXPECT_EQ(plist_dict_get_size(group), 3u) << where;
        EXPECT_EQ(StringOf(group, nameKey), groups[i].first) << where;
        EXPECT_EQ(UintOf(group, "number"), groups[i].second) << where;
        EXPECT_EQ(ArraySize(ItemsOf(group)), groups[i].second) << where;
        ExpectItemShape(ItemsOf(group), kMediaText, uints, where + " " + groups[i].first);
    }
}

std::vector<std::string> Column(plist_t items, const char* key)
{
    std::vector<std::string> values;
    for (uint32_t i = 0; i < ArraySize(items); ++i)
        values.push_back(StringOf(plist_array_get_item(items, i), key));
    return values;
}

} // namespace

TEST_F(DeviceKitTest, ListsEachExistingFolderOnceWithAStableSafeId)
{
    const std::string iphone = DemoDeviceFolder("iphone");
    SetDeviceFolders({iphone, "", "/no/such/folder", DemoDeviceFolder("ipad"), iphone + "/", iphone + "/lists/..",
                      DemoDeviceFolder("locked-iphone")});
    PlistHolder first(pods_->ListDevices());
    ASSERT_EQ(ArraySize(first.get()), 3u);
    const std::regex safeId("folder-[0-9a-f]{16}");
    std::set<std::string> ids;
    for (uint32_t i = 0; i < 3; ++i) {
        plist_t entry = plist_array_get_item(first.get(), i);
        EXPECT_EQ(plist_dict_get_size(entry), 2u);
        EXPECT_TRUE(std::regex_match(StringOf(entry, "value"), safeId)) << StringOf(entry, "value");
        ids.insert(StringOf(entry, "value"));
    }
    EXPECT_EQ(ids.size(), 3u);
    EXPECT_EQ(StringOf(plist_array_get_item(first.get(), 0), "type"), "path");
    EXPECT_EQ(StringOf(plist_array_get_item(first.get(), 1), "type"), "path");
    EXPECT_EQ(StringOf(plist_array_get_item(first.get(), 2), "type"), "usb");

    // The variable is read on every call; the ids stay the same.
    SetDeviceFolders({DemoDeviceFolder("locked-iphone"), iphone});
    PlistHolder second(pods_->ListDevices());
    ASSERT_EQ(ArraySize(second.get()), 2u);
    EXPECT_EQ(StringOf(plist_array_get_item(second.get(), 1), "value"),
              StringOf(plist_array_get_item(first.get(), 0), "value"));

    unsetenv("HANDOVER_DEVICES");
    PlistHolder none(pods_->ListDevices());
    ASSERT_NE(none.get(), nullptr);
    EXPECT_EQ(ArraySize(none.get()), 0u);
}

TEST_F(DeviceKitTest, OpensOnlyListedDevices)
{
    std::string id;
    ASSERT_NE(Open(DemoDeviceFolder("iphone"), &id), nullptr);
    SetDeviceFolders({DemoDeviceFolder("ipad")});
    EXPECT_EQ(pods_->OpenDevice(id.c_str(), "path"), nullptr);
    EXPECT_EQ(pods_->OpenDevice("folder-0000000000000000", "path"), nullptr);
    EXPECT_EQ(pods_->OpenDevice(nullptr, nullptr), nullptr);
    pods_->CloseDevice(nullptr);
}

TEST_F(DeviceKitTest, InitializeAnswersWhatTheFolderDeclares)
{
    PodDevice* iphone = Open(DemoDeviceFolder("iphone"));
    ASSERT_NE(iphone, nullptr);
    EXPECT_EQ(iphone->Initialize(iphone, MakeTempFolder("work").c_str()), POD_INIT_READY);
    PodDevice* locked = Open(DemoDeviceFolder("locked-iphone"));
    ASSERT_NE(locked, nullptr);
    EXPECT_EQ(locked->Initialize(locked, MakeTempFolder("work").c_str()), POD_INIT_LOCKED);
}

TEST_F(DeviceKitTest, DemoIPhoneDeviceInformation)
{
    PodDevice* device = Open(DemoDeviceFolder("iphone"));
    ASSERT_NE(device, nullptr);
    PlistHolder info(device->GetDeviceInfo(device));
    ASSERT_NE(info.get(), nullptr);
    EXPECT_EQ(plist_dict_get_size(info.get()), 10u);
    EXPECT_EQ(StringOf(info.get(), "DeviceName"), "Anna's iPhone");
    EXPECT_EQ(StringOf(info.get(), "Type"), "iPhone");
    EXPECT_EQ(StringOf(info.get(), "Version"), "17.4.1");
    EXPECT_EQ(StringOf(info.get(), "SerialNumber"), "F2LDEMO00001");
    const std::uint64_t capacity = UintOf(info.get(), "Catacity");
    std::uint64_t used = 0;
    for (const char* key : {"Audio", "Video", "Photos", "Others"}) {
        ASSERT_NE(UintOf(info.get(), key), UINT64_MAX) << key;
        EXPECT_GT(UintOf(info.get(), key), 0u) << key;
        used += UintOf(info.get(), key);
    }
    EXPECT_EQ(capacity, 127881465856u);
    EXPECT_EQ(UintOf(info.get(), "Available"), capacity - used);
}

TEST_F(DeviceKitTest, DemoIPhoneListsHaveTheirShapesAndCounts)
{
    PodDevice* d = Open(DemoDeviceFolder("iphone"));
    ASSERT_NE(d, nullptr);
    const struct {
        const char* name;
        std::function<plist_t()> get;
        uint32_t count;
        std::vector<const char*> strings;
        std::vector<const char*> uints;
    } lists[] = {
        {"music", [&] { return d->GetMusic(d, 0, 0); }, 40, kMediaText, kTimeSize},
        {"movies", [&] { return d->GetMovies(d, 0, 0); }, 3, kMediaText, kTimeSize},
        {"tv shows", [&] { return d->GetTvShows(d, 0, 0); }, 4, kMediaText, kTimeSize},
        {"podcasts", [&] { return d->GetPodcasts(d, 0, 0); }, 4, kMediaText, kTimeSize},
        {"audiobooks", [&] { return d->GetAudiobooks(d, 0, 0); }, 1, kMediaText, kTimeSize},
        {"ringtones", [&] { return d->GetRingtones(d, 0, 0); }, 3, kMediaText, kTimeSize},
        {"voice memos", [&] { return d->GetVoiceMemos(d, 0, 0); }, 3, {"name", "title", "path"}, kTimeSize},
        {"camera roll", [&] { return d->GetCameraRoll(d, 0, 0); }, 62, {"path", "time"}, {"size"}},
        {"photos", [&] { return d->GetPhotos(d); }, 30, {"path", "time"}, {"size"}},
    };
    for (const auto& list : lists) {
        PlistHolder value(list.get());
        ExpectItemList(value.get(), list.count, list.strings, list.uints, list.name);
    }
    PlistHolder playlists(d->GetPlaylists(d, 0, 0));
    ExpectGroups(playlists.get(), "name", {{"Road Trip", 8}, {"Late Night Jazz", 6}}, kTimeSize, "playlists");
    PlistHolder books(d->GetBooks(d, 0, 0));
    ExpectGroups(books.get(), "catalog", {{"Books", 4}, {"PDFs", 2}}, {}, "books");
}

TEST_F(DeviceKitTest, DemoIPhoneContentShowsEveryCase)
{
    PodDevice* d = Open(DemoDeviceFolder("iphone"));
    ASSERT_NE(d, nullptr);
    PlistHolder music(d->GetMusic(d, 0, 0));
    const std::vector<std::string> genres = Column(ItemsOf(music.get()), "genre");
    EXPECT_EQ(std::count(genres.begin(), genres.end(), "Rock"), 6);
    EXPECT_EQ(std::count(genres.begin(), genres.end(), "rock"), 5);
    const std::vector<std::string> titles = Column(ItemsOf(music.get()), "title");
    EXPECT_NE(std::find(titles.begin(), titles.end(), "夜明けの街"), titles.end());
    EXPECT_NE(std::find(titles.begin(), titles.end(), "Осенний вальс"), titles.end());
    EXPECT_EQ(UintOf(plist_array_get_item(ItemsOf(music.get()), 0), "time"), 201000u);

    PlistHolder memos(d->GetVoiceMemos(d, 0, 0));
    EXPECT_EQ(Column(ItemsOf(memos.get()), "name"), (std::vector<std::string>{"Meeting notes", "", "Guitar idea"}));

    PlistHolder roll(d->GetCameraRoll(d, 0, 0));
    const std::vector<std::string> paths = Column(ItemsOf(roll.get()), "path");
    EXPECT_EQ(paths.front(), "/DCIM/100APPLE/IMG_0001.JPG");
    EXPECT_EQ(paths[3], "/DCIM/100APPLE/IMG_0004.PNG");
    EXPECT_EQ(paths[60], "/DCIM/100APPLE/IMG_0061.HEIC");
    EXPECT_EQ(paths[61], "/DCIM/100APPLE/IMG_0062.MOV");
    EXPECT_EQ(StringOf(plist_array_get_item(ItemsOf(roll.get()), 0), "time"), "2023-01-04 09:07:13");

    // Exactly one book is kept as a folder.
    PlistHolder books(d->GetBooks(d, 0, 0));
    int folders = 0;
    for (uint32_t s = 0; s < ArraySize(books.get()); ++s) {
        for (const std::string& path : Column(ItemsOf(plist_array_get_item(books.get(), s)), "path"))
            folders += d->IsFolder(d, path.c_str());
    }
    EXPECT_EQ(folders, 1);
}

TEST_F(DeviceKitTest, EveryDemoItemNamesAFileOfItsListedSize)
{
    const std::string folder = DemoDeviceFolder("iphone");
    PodDevice* d = Open(folder);
    ASSERT_NE(d, nullptr);
    std::vector<PlistHolder> lists;
    for (plist_t list : {d->GetMusic(d, 0, 0), d->GetMovies(d, 0, 0), d->GetTvShows(d, 0, 0),
                         d->GetPodcasts(d, 0, 0), d->GetAudiobooks(d, 0, 0), d->GetRingtones(d, 0, 0),
                         d->GetVoiceMemos(d, 0, 0), d->GetCameraRoll(d, 0, 0), d->GetPhotos(d)})
        lists.emplace_back(list);
    int checked = 0;
    for (const PlistHolder& list : lists) {
        plist_t items = ItemsOf(list.get());
        for (uint32_t i = 0; i < ArraySize(items); ++i, ++checked) {
            plist_t item = plist_array_get_item(items, i);
            const std::string path = StringOf(item, "path");
            struct stat info {};
            ASSERT_EQ(stat((folder + "/files" + path).c_str(), &info), 0) << path;
            EXPECT_EQ(static_cast<std::uint64_t>(info.st_size), UintOf(item, "size")) << path;
            EXPECT_EQ(d->IsFolder(d, path.c_str()), 0) << path;
        }
    }
    EXPECT_EQ(checked, 40 + 3 + 4 + 4 + 1 + 3 + 3 + 62 + 30);
}

TEST_F(DeviceKitTest, DemoPicturesAreRealPicturesOfDifferentSizes)
{
    const std::string folder = DemoDeviceFolder("iphone") + "/files/DCIM/100APPLE/";
    std::set<std::pair<unsigned, unsigned>> sizes;
    for (int number = 1; number <= 60; ++number) {
        const bool png = number % 4 == 0;
        char name[32];
        std::snprintf(name, sizeof name, "IMG_%04d.%s", number, png ? "PNG" : "JPG");
        const std::string bytes = ReadTextFile(folder + name);
        ASSERT_GT(bytes.size(), 100u) << name;
        if (png) {
            EXPECT_EQ(bytes.compare(0, 8, "\x89PNG\r\n\x1a\n"), 0) << name;
            const auto be32 = [&](size_t at) {
                return (unsigned char)bytes[at] << 24 | (unsigned char)bytes[at + 1] << 16 |
                       (unsigned char)bytes[at + 2] << 8 | (unsigned char)bytes[at + 3];
            };
            sizes.insert({be32(16), be32(20)});
        } else {
            EXPECT_EQ(bytes.compare(0, 3, "\xff\xd8\xff"), 0) << name;
            EXPECT_EQ(bytes.compare(bytes.size() - 2, 2, "\xff\xd9"), 0) << name;
        }
    }
    EXPECT_GE(sizes.size(), 3u);
}

TEST_F(DeviceKitTest, DemoIPadHasFewerCategoriesAndTheLockedPhoneItsOwnType)
{
    PodDevice* d = Open(DemoDeviceFolder("ipad"));
    ASSERT_NE(d, nullptr);
    PlistHolder info(d->GetDeviceInfo(d));
    EXPECT_EQ(StringOf(info.get(), "DeviceName"), "Anna's iPad");
    EXPECT_EQ(StringOf(info.get(), "Type"), "iPad");
    PlistHolder music(d->GetMusic(d, 0, 0));
    EXPECT_EQ(UintOf(music.get(), "number"), 12u);
    for (plist_t absent : {d->GetRingtones(d, 0, 0), d->GetVoiceMemos(d, 0, 0), d->GetPodcasts(d, 0, 0),
                           d->GetTvShows(d, 0, 0), d->GetAudiobooks(d, 0, 0)})
        EXPECT_EQ(absent, nullptr);

    PodDevice* locked = Open(DemoDeviceFolder("locked-iphone"));
    ASSERT_NE(locked, nullptr);
    PlistHolder lockedInfo(locked->GetDeviceInfo(locked));
    EXPECT_EQ(StringOf(lockedInfo.get(), "DeviceName"), "Work iPhone");
    // The folder's own keys stay inside the library.
    EXPECT_EQ(plist_dict_get_item(lockedInfo.get(), "ConnectionType"), nullptr);
    EXPECT_EQ(plist_dict_get_item(lockedInfo.get(), "InitializeResult"), nullptr);
}
