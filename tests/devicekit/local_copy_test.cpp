// Copying files and folders off a folder device: progress, abandoning, and
// device paths that try to leave the device.

#include "devicekit_fixture.h"

#include "support/temp_home.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The callback has no user data, so the test keeps its state here.
std::vector<std::pair<std::uint64_t, std::uint64_t>> g_calls;
size_t g_abandonAtCall = 0; // 1-based; 0 never

int RecordProgress(std::uint64_t total, std::uint64_t done)
{
    g_calls.push_back({total, done});
    return g_calls.size() == g_abandonAtCall ? POD_COPY_ABANDONED : 0;
}

std::string Pattern(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 31 + i / 7);
    return bytes;
}

std::vector<std::string> Entries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

constexpr size_t kSongBytes = 1024 * 1024 + 5;

class LocalCopyTest : public DeviceKitTest {
protected:
    void SetUp() override
    {
        DeviceKitTest::SetUp();
        g_calls.clear();
        g_abandonAtCall = 0;
        outside_ = MakeTempFolder("outside");
        WriteTextFile(outside_ + "/secret.txt", "secret");
        folder_ = MakeTempFolder("device");
        const std::string files = folder_ + "/files";
        WriteTextFile(files + "/Music/song.bin", Pattern(kSongBytes));
        WriteTextFile(files + "/empty.txt", "");
        WriteTextFile(files + "/Books/Tale.epub/mimetype", "application/epub+zip");
        WriteTextFile(files + "/Books/Tale.epub/META-INF/container.xml", "<container/>");
        WriteTextFile(files + "/Books/Tale.epub/OEBPS/a.xhtml", Pattern(300000));
        WriteTextFile(folder_ + "/device.plist", "not inside files/");
        fs::create_symlink("../../../outside-link-target", files + "/Books/Tale.epub/dangling");
        fs::create_symlink(outside_ + "/secret.txt", files + "/Books/Tale.epub/escape.txt");
        fs::create_symlink(outside_, files + "/Books/Tale.epub/escape_dir");
        fs::create_symlink("../../Music/song.bin", files + "/Books/Tale.epub/inner_link.bin");
        fs::create_symlink("..", files + "/Books/Tale.epub/loop");
        fs::create_symlink("Music/song.bin", files + "/inner_link");
        fs::create_symlink(outside_ + "/secret.txt", files + "/out_link");
        fs::create_symlink(outside_, files + "/out_dir");
        ASSERT_EQ(mkfifo((files + "/fifo").c_str(), 0600), 0);
        device_ = Open(folder_);
        ASSERT_NE(device_, nullptr);
        target_ = MakeTempFolder("export");
    }

    int CopyFile(const char* devicePath, const std::string& local, PodProgressCallback progress = RecordProgress)
    {
        return device_->CopyFileToLocal(device_, devicePath, local.c_str(), progress);
    }

    std::string folder_, outside_, target_;
    PodDevice* device_ = nullptr;
};

} // namespace

TEST_F(LocalCopyTest, CopiesAFileWithProgressInChunks)
{
    ASSERT_EQ(CopyFile("/Music/song.bin", target_ + "/Song.bin"), POD_COPY_OK);
    EXPECT_EQ(ReadTextFile(target_ + "/Song.bin"), Pattern(kSongBytes));
    EXPECT_EQ(Entries(target_), std::vector<std::string>{"Song.bin"});
    ASSERT_EQ(g_calls.size(), 5u); // four chunks of 256 KiB and the last 5 bytes
    std::uint64_t previous = 0;
    for (const auto& call : g_calls) {
        EXPECT_EQ(call.first, kSongBytes);
        EXPECT_GT(call.second, previous);
        previous = call.second;
    }
    EXPECT_EQ(g_calls.back().second, kSongBytes);

    // Backslashes separate too, a missing callback is fine, and an empty
    // file is reported once as (0, 0).
    EXPECT_EQ(CopyFile("Music\\song.bin", target_ + "/Again.bin", nullptr), POD_COPY_OK);
    EXPECT_EQ(fs::file_size(target_ + "/Again.bin"), kSongBytes);
    g_calls.clear();
    EXPECT_EQ(CopyFile("/empty.txt", target_ + "/empty.txt"), POD_COPY_OK);
    EXPECT_EQ(g_calls, (std::vector<std::pair<std::uint64_t, std::uint64_t>>{{0, 0}}));
    // A link that stays inside the device is followed.
    EXPECT_EQ(CopyFile("/inner_link", target_ + "/linked.bin"), POD_COPY_OK);
    EXPECT_EQ(fs::file_size(target_ + "/linked.bin"), kSongBytes);
}

TEST_F(LocalCopyTest, AbandonedOrFailedCopiesLeaveNothing)
{
    for (size_t abandonAt : {1u, 3u, 5u}) {
        g_calls.clear();
        g_abandonAtCall = abandonAt;
        EXPECT_EQ(CopyFile("/Music/song.bin", target_ + "/Song.bin"), POD_COPY_ABANDONED) << abandonAt;
        EXPECT_EQ(g_calls.size(), abandonAt);
        EXPECT_TRUE(Entries(target_).empty()) << abandonAt;
    }
    g_abandonAtCall = 0;
    EXPECT_EQ(CopyFile("/Music/song.bin", target_ + "/no/such/folder/Song.bin"), POD_COPY_FAILED);
    EXPECT_EQ(CopyFile("/Music/missing.bin", target_ + "/Song.bin"), POD_COPY_FAILED);
    EXPECT_EQ(CopyFile("/Music", target_ + "/Song.bin"), POD_COPY_FAILED);
    EXPECT_EQ(CopyFile("/fifo", target_ + "/fifo"), POD_COPY_FAILED); // refused, without blocking
    EXPECT_TRUE(Entries(target_).empty());
}

TEST_F(LocalCopyTest, PathsThatLeaveTheDeviceAreRefused)
{
    const char* hostile[] = {
        "../device.plist", "/../device.plist", "Music/../../device.plist", "..\\device.plist",
        "/Music/..\\..\\device.plist", "/out_link", "/out_dir/secret.txt", "out_dir", "/Books/Tale.epub/escape.txt",
        "/Books/Tale.epub/escape_dir/secret.txt", "", "../outside/secret.txt",
    };
    for (const char* path : hostile) {
        EXPECT_EQ(CopyFile(path, target_ + "/copy"), POD_COPY_FAILED) << path;
        EXPECT_EQ(device_->IsFolder(device_, path), 0) << path;
        EXPECT_NE(device_->CopyFolderToLocal(device_, path, (target_ + "/tree").c_str(), RecordProgress),
                  POD_COPY_OK)
            << path;
    }
    EXPECT_EQ(CopyFile(nullptr, target_ + "/copy"), POD_COPY_FAILED);
    EXPECT_EQ(device_->IsFolder(device_, nullptr), 0);
    EXPECT_TRUE(Entries(target_).empty());
    // An absolute device path is a path on the device, not on the computer.
    EXPECT_EQ(CopyFile((outside_ + "/secret.txt").c_str(), target_ + "/copy"), POD_COPY_FAILED);
    EXPECT_EQ(device_->IsFolder(device_, "/"), 1);
    EXPECT_EQ(device_->IsFolder(device_, "/Books/Tale.epub"), 1);
    EXPECT_EQ(device_->IsFolder(device_, "Books\\Tale.epub\\"), 1);
}

TEST_F(LocalCopyTest, CopiesAFolderTreeWithoutLinksThatLeaveTheDevice)
{
    const std::string tree = target_ + "/Tale.epub.dir";
    ASSERT_EQ(device_->CopyFolderToLocal(device_, "/Books/Tale.epub", tree.c_str(), RecordProgress), POD_COPY_OK);
    EXPECT_EQ(Entries(target_), std::vector<std::string>{"Tale.epub.dir"});
    EXPECT_EQ(Entries(tree), (std::vector<std::string>{"META-INF", "OEBPS", "inner_link.bin", "mimetype"}));
    EXPECT_EQ(ReadTextFile(tree + "/OEBPS/a.xhtml"), Pattern(300000));
    EXPECT_EQ(ReadTextFile(tree + "/mimetype"), "application/epub+zip");
    EXPECT_EQ(fs::file_size(tree + "/inner_link.bin"), kSongBytes);
    const std::uint64_t total = 20 + 12 + 300000 + kSongBytes;
    ASSERT_FALSE(g_calls.empty());
    EXPECT_EQ(g_calls.back(), std::make_pair(total, total));
    for (const auto& call : g_calls)
        EXPECT_EQ(call.first, total);

    // An existing folder with content is never replaced or touched.
    g_calls.clear();
    EXPECT_EQ(device_->CopyFolderToLocal(device_, "/Books", tree.c_str(), RecordProgress), POD_COPY_FAILED);
    EXPECT_EQ(Entries(tree), (std::vector<std::string>{"META-INF", "OEBPS", "inner_link.bin", "mimetype"}));
    EXPECT_EQ(Entries(target_), std::vector<std::string>{"Tale.epub.dir"});
}

TEST_F(LocalCopyTest, AnAbandonedFolderCopyLeavesNoFolder)
{
    g_abandonAtCall = 2;
    const std::string tree = target_ + "/Tale.epub.dir";
    EXPECT_EQ(device_->CopyFolderToLocal(device_, "/Books/Tale.epub", tree.c_str(), RecordProgress),
              POD_COPY_ABANDONED);
    EXPECT_TRUE(Entries(target_).empty());
    // A file is not a folder.
    EXPECT_EQ(device_->CopyFolderToLocal(device_, "/Music/song.bin", tree.c_str(), RecordProgress), POD_COPY_FAILED);
    EXPECT_TRUE(Entries(target_).empty());
}

TEST_F(LocalCopyTest, ALongTargetNameStillCopies)
{
    const std::string name = std::string(240, 'n') + ".bin";
    ASSERT_EQ(CopyFile("/Music/song.bin", target_ + "/" + name), POD_COPY_OK);
    EXPECT_EQ(Entries(target_), std::vector<std::string>{name});
}
