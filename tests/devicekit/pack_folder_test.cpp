// Packing a folder into one ZIP file; EPUB folders give EPUB containers.

#include "devicekit_fixture.h"

#include "support/temp_home.h"

#include <zip.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

struct ZipClose {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipHolder = std::unique_ptr<zip_t, ZipClose>;

ZipHolder OpenZip(const std::string& path)
{
    int error = 0;
    return ZipHolder(zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
}

std::vector<std::string> EntryNames(zip_t* archive)
{
    std::vector<std::string> names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i)
        names.push_back(zip_get_name(archive, static_cast<zip_uint64_t>(i), 0));
    return names;
}

std::string EntryText(zip_t* archive, const char* name)
{
    zip_stat_t info;
    if (zip_stat(archive, name, 0, &info) != 0)
        return "<missing>";
    std::string bytes(info.size, '\0');
    zip_file_t* file = zip_fopen(archive, name, 0);
    if (!file)
        return "<unreadable>";
    const zip_int64_t got = zip_fread(file, bytes.data(), bytes.size());
    zip_fclose(file);
    return got == static_cast<zip_int64_t>(bytes.size()) ? bytes : "<short>";
}

} // namespace

TEST_F(DeviceKitTest, PackedDemoBookIsAnEpubContainer)
{
    PodDevice* device = Open(DemoDeviceFolder("iphone"));
    ASSERT_NE(device, nullptr);
    const std::string work = MakeTempFolder("pack");
    const std::string tree = work + "/Alice.epub.dir";
    const std::string book = work + "/Alice.epub";
    ASSERT_EQ(device->CopyFolderToLocal(device, "/Books/Purchases/Alice in Wonderland.epub", tree.c_str(), nullptr),
              POD_COPY_OK);
    ASSERT_EQ(PackFolder(tree.c_str(), book.c_str()), 0);

    // The container rule: "mimetype" first, stored, no extra field, so its
    // text sits at byte 38 of the file.
    const std::string bytes = ReadTextFile(book);
    ASSERT_GT(bytes.size(), 58u);
    EXPECT_EQ(bytes.substr(0, 4), "PK\x03\x04");
    EXPECT_EQ(bytes.substr(30, 8), "mimetype");
    EXPECT_EQ(bytes.substr(38, 20), "application/epub+zip");

    ZipHolder archive = OpenZip(book);
    ASSERT_NE(archive, nullptr);
    const std::vector<std::string> names = EntryNames(archive.get());
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), "mimetype");
    zip_stat_t info;
    ASSERT_EQ(zip_stat_index(archive.get(), 0, 0, &info), 0);
    EXPECT_EQ(info.comp_method, ZIP_CM_STORE);
    for (const char* name : {"META-INF/container.xml", "OEBPS/content.opf", "OEBPS/nav.xhtml", "OEBPS/chapter1.xhtml"})
        EXPECT_EQ(EntryText(archive.get(), name), ReadTextFile(tree + "/" + name)) << name;
    EXPECT_NE(EntryText(archive.get(), "OEBPS/content.opf").find("Alice"), std::string::npos);
}

TEST_F(DeviceKitTest, PacksAnyFolderAndNothingElse)
{
    const std::string work = MakeTempFolder("pack");
    const std::string tree = work + "/tree";
    WriteTextFile(tree + "/b.txt", "bee");
    WriteTextFile(tree + "/a/nested/deep.txt", std::string(100000, 'x'));
    WriteTextFile(work + "/outside.txt", "outside");
    fs::create_symlink(work + "/outside.txt", tree + "/link.txt");

    ASSERT_EQ(PackFolder(tree.c_str(), (work + "/tree.zip").c_str()), 0);
    ZipHolder archive = OpenZip(work + "/tree.zip");
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(EntryNames(archive.get()), (std::vector<std::string>{"a/", "a/nested/", "a/nested/deep.txt", "b.txt"}));
    EXPECT_EQ(EntryText(archive.get(), "a/nested/deep.txt"), std::string(100000, 'x'));
    zip_stat_t info;
    ASSERT_EQ(zip_stat(archive.get(), "a/nested/deep.txt", 0, &info), 0);
    EXPECT_EQ(info.comp_method, ZIP_CM_DEFLATE);

    // An empty folder still gives a valid (empty) archive.
    fs::create_directories(work + "/empty");
    ASSERT_EQ(PackFolder((work + "/empty").c_str(), (work + "/empty.zip").c_str()), 0);
    ZipHolder empty = OpenZip(work + "/empty.zip");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(zip_get_num_entries(empty.get(), 0), 0);

    // No folder, no file.
    EXPECT_NE(PackFolder((work + "/missing").c_str(), (work + "/missing.zip").c_str()), 0);
    EXPECT_NE(PackFolder((work + "/outside.txt").c_str(), (work + "/file.zip").c_str()), 0);
    EXPECT_NE(PackFolder(nullptr, (work + "/null.zip").c_str()), 0);
    EXPECT_FALSE(fs::exists(work + "/missing.zip"));
    EXPECT_FALSE(fs::exists(work + "/file.zip"));
    EXPECT_FALSE(fs::exists(work + "/null.zip"));
}
