// A folder device with broken content gives null lists and empty fields.

#include "devicekit_fixture.h"

#include "support/temp_home.h"

#include <sys/stat.h>

#include <functional>

namespace {

struct ListGetter {
    const char* file;
    std::function<plist_t(PodDevice*)> get;
};

const std::vector<ListGetter>& AllLists()
{
    static const std::vector<ListGetter> lists = {
        {"music", [](PodDevice* d) { return d->GetMusic(d, 0, 0); }},
        {"playlists", [](PodDevice* d) { return d->GetPlaylists(d, 0, 0); }},
        {"movies", [](PodDevice* d) { return d->GetMovies(d, 0, 0); }},
        {"podcasts", [](PodDevice* d) { return d->GetPodcasts(d, 0, 0); }},
        {"tv_shows", [](PodDevice* d) { return d->GetTvShows(d, 0, 0); }},
        {"audiobooks", [](PodDevice* d) { return d->GetAudiobooks(d, 0, 0); }},
        {"voice_memos", [](PodDevice* d) { return d->GetVoiceMemos(d, 0, 0); }},
        {"ringtones", [](PodDevice* d) { return d->GetRingtones(d, 0, 0); }},
        {"photos", [](PodDevice* d) { return d->GetPhotos(d); }},
        {"books", [](PodDevice* d) { return d->GetBooks(d, 0, 0); }},
        {"camera_roll", [](PodDevice* d) { return d->GetCameraRoll(d, 0, 0); }},
    };
    return lists;
}

// A binary plist of hand-made container objects: each object lists the
// indexes it references; an empty list makes a leaf (boolean false).
std::string BinaryPlist(const std::vector<std::vector<uint32_t>>& objects)
{
    auto be32 = [](std::string* out, uint64_t value) {
        for (int shift = 24; shift >= 0; shift -= 8)
            out->push_back(static_cast<char>(value >> shift & 0xff));
    };
    std::string file = "bplist00";
    std::vector<uint64_t> offsets;
    for (const auto& refs : objects) {
        offsets.push_back(file.size());
        if (refs.empty()) {
            file.push_back('\x08');
            continue;
        }
        file.push_back(static_cast<char>(0xaf));
        file.push_back('\x12'); // count as a 4-byte integer
        be32(&file, refs.size());
        for (uint32_t ref : refs)
            be32(&file, ref);
    }
    const uint64_t table = file.size();
    for (uint64_t offset : offsets)
        be32(&file, offset);
    file.append(6, '\0');
    file.push_back(4); // offset size
    file.push_back(4); // reference size
    file.append(4, '\0');
    be32(&file, objects.size());
    file.append(8, '\0'); // root: object 0
    file.append(4, '\0');
    be32(&file, table);
    return file;
}

} // namespace

TEST_F(DeviceKitTest, HostileNestingIsRefusedBeforeParsing)
{
    const size_t deep = 1000000;
    std::vector<std::vector<uint32_t>> chain(deep);
    for (uint32_t i = 0; i + 1 < deep; ++i)
        chain[i] = {i + 1};
    std::vector<std::vector<uint32_t>> doubling(64);
    for (uint32_t i = 0; i + 1 < doubling.size(); ++i)
        doubling[i] = {i + 1, i + 1};
    std::string nestedXml;
    for (size_t i = 0; i < deep; ++i)
        nestedXml += "<array>";
    for (size_t i = 0; i < deep; ++i)
        nestedXml += "</array>";
    const struct {
        const char* what;
        std::string bytes;
        bool accepted;
    } cases[] = {
        {"xml nested a million levels", XmlPlist(nestedXml), false},
        {"binary nested a million levels", BinaryPlist(chain), false},
        {"binary loop", BinaryPlist({{0}}), false},
        {"binary reference past the table", BinaryPlist({{5}}), false},
        {"binary sharing that doubles 63 times", BinaryPlist(doubling), false},
        {"binary array of two leaves", BinaryPlist({{1, 2}, {}, {}}), true},
    };
    for (const auto& c : cases) {
        const std::string folder = MakeTempFolder("nesting");
        // Playlists are an array at the root, so the accepted case is a
        // (useless but well-formed) list.
        WriteDeviceFile(folder, "lists/playlists.plist", c.bytes);
        PodDevice* device = Open(folder);
        ASSERT_NE(device, nullptr) << c.what;
        PlistHolder list(device->GetPlaylists(device, 0, 0));
        EXPECT_EQ(list.get() != nullptr, c.accepted) << c.what;
    }
}

TEST_F(DeviceKitTest, UnusableListFilesGiveNullLists)
{
    const struct {
        const char* what;
        std::function<void(const std::string& path)> write;
    } cases[] = {
        {"missing", [](const std::string&) {}},
        {"empty", [](const std::string& path) { WriteTextFile(path, ""); }},
        {"garbage", [](const std::string& path) { WriteTextFile(path, std::string("\x00\xff<plist", 8)); }},
        {"truncated xml",
         [](const std::string& path) {
             const std::string whole = XmlPlist("<dict><key>item</key><array><dict/></array></dict>");
             WriteTextFile(path, whole.substr(0, whole.size() - 30));
         }},
        {"binary header only", [](const std::string& path) { WriteTextFile(path, "bplist00"); }},
        {"a string root", [](const std::string& path) { WriteTextFile(path, XmlPlist("<string>music</string>")); }},
        {"a folder", [](const std::string& path) { mkdir(path.c_str(), 0777); }},
        {"a fifo", [](const std::string& path) { mkfifo(path.c_str(), 0600); }},
    };
    for (const auto& c : cases) {
        const std::string folder = MakeTempFolder("broken");
        WriteDeviceFile(folder, "device.plist", XmlPlist("<array/>"));
        mkdir((folder + "/lists").c_str(), 0777);
        for (const ListGetter& list : AllLists())
            c.write(folder + "/lists/" + list.file + ".plist");
        PodDevice* device = Open(folder);
        ASSERT_NE(device, nullptr) << c.what;
        for (const ListGetter& list : AllLists())
            EXPECT_EQ(list.get(device), nullptr) << c.what << ": " << list.file;
        // The device information is then an empty dict, never null.
        PlistHolder info(device->GetDeviceInfo(device));
        ASSERT_NE(info.get(), nullptr) << c.what;
        EXPECT_EQ(plist_dict_get_size(info.get()), 0u) << c.what;
    }
}

TEST_F(DeviceKitTest, ListRootsOfTheOtherShapeGiveNullLists)
{
    const std::string folder = MakeTempFolder("shapes");
    // Dict-shaped categories get an array, array-shaped ones a dict.
    for (const ListGetter& list : AllLists()) {
        const bool arrayShaped = std::string(list.file) == "playlists" || std::string(list.file) == "books";
        WriteDeviceFile(folder, std::string("lists/") + list.file + ".plist",
                        XmlPlist(arrayShaped ? "<dict><key>item</key><array/></dict>" : "<array><dict/></array>"));
    }
    PodDevice* device = Open(folder);
    ASSERT_NE(device, nullptr);
    for (const ListGetter& list : AllLists())
        EXPECT_EQ(list.get(device), nullptr) << list.file;
}

TEST_F(DeviceKitTest, ItemMembersOfTheWrongTypeBecomeEmptyFields)
{
    const std::string folder = MakeTempFolder("fields");
    WriteDeviceFile(folder, "lists/music.plist",
                    XmlPlist("<dict><key>number</key><string>lots</string><key>item</key><array>"
                             "<dict><key>title</key><integer>5</integer><key>genre</key><string>Rock</string>"
                             "<key>time</key><string>3:21</string><key>size</key><integer>42</integer>"
                             "<key>extra</key><string>dropped</string></dict>"
                             "<string>not an item</string>"
                             "<dict/>"
                             "</array></dict>"));
    WriteDeviceFile(folder, "lists/books.plist",
                    XmlPlist("<array><dict><key>catalog</key><true/><key>number</key><integer>9</integer>"
                             "<key>item</key><dict/></dict><integer>1</integer></array>"));
    WriteDeviceFile(folder, "lists/photos.plist",
                    XmlPlist("<dict><key>item</key><array><dict><key>path</key><string>/a.jpg</string>"
                             "<key>time</key><integer>7</integer></dict></array></dict>"));
    WriteDeviceFile(folder, "device.plist",
                    XmlPlist("<dict><key>DeviceName</key><integer>1</integer><key>Type</key><string>iPod</string>"
                             "<key>Catacity</key><string>big</string><key>Audio</key><integer>5</integer>"
                             "<key>InitializeResult</key><string>four</string>"
                             "<key>ConnectionType</key><array/></dict>"));
    std::string id;
    PodDevice* device = Open(folder, &id);
    ASSERT_NE(device, nullptr);

    PlistHolder music(device->GetMusic(device, 0, 0));
    ASSERT_NE(music.get(), nullptr);
    EXPECT_EQ(UintOf(music.get(), "number"), 2u);
    plist_t items = ItemsOf(music.get());
    ASSERT_EQ(ArraySize(items), 2u);
    plist_t first = plist_array_get_item(items, 0);
    EXPECT_EQ(plist_dict_get_size(first), 7u);
    EXPECT_EQ(StringOf(first, "title"), "");
    EXPECT_EQ(StringOf(first, "genre"), "Rock");
    EXPECT_EQ(StringOf(first, "path"), "");
    EXPECT_EQ(UintOf(first, "time"), 0u);
    EXPECT_EQ(UintOf(first, "size"), 42u);
    plist_t second = plist_array_get_item(items, 1);
    EXPECT_EQ(StringOf(second, "artist"), "");
    EXPECT_EQ(UintOf(second, "size"), 0u);

    PlistHolder books(device->GetBooks(device, 0, 0));
    ASSERT_EQ(ArraySize(books.get()), 1u);
    plist_t shelf = plist_array_get_item(books.get(), 0);
    EXPECT_EQ(StringOf(shelf, "catalog"), "");
    EXPECT_EQ(UintOf(shelf, "number"), 0u);
    EXPECT_EQ(ArraySize(ItemsOf(shelf)), 0u);

    PlistHolder photos(device->GetPhotos(device));
    plist_t photo = plist_array_get_item(ItemsOf(photos.get()), 0);
    EXPECT_EQ(StringOf(photo, "path"), "/a.jpg");
    EXPECT_EQ(StringOf(photo, "time"), "");
    EXPECT_EQ(UintOf(photo, "size"), 0u);

    PlistHolder info(device->GetDeviceInfo(device));
    EXPECT_EQ(plist_dict_get_size(info.get()), 2u);
    EXPECT_EQ(StringOf(info.get(), "Type"), "iPod");
    EXPECT_EQ(UintOf(info.get(), "Audio"), 5u);
    // A declared type of the wrong kind lists the folder as "path"; a result
    // of the wrong kind initialises it.
    PlistHolder listed(pods_->ListDevices());
    EXPECT_EQ(StringOf(plist_array_get_item(listed.get(), 0), "type"), "path");
    EXPECT_EQ(device->Initialize(device, MakeTempFolder("work").c_str()), POD_INIT_READY);
    // No files/ folder: nothing can be copied, nothing is a folder.
    EXPECT_EQ(device->IsFolder(device, "/"), 0);
    EXPECT_EQ(device->CopyFileToLocal(device, "/a.jpg", (MakeTempFolder("out") + "/a.jpg").c_str(), nullptr),
              POD_COPY_FAILED);
}
