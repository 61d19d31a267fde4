// Making one thumbnail: the cache name, the copy with its three tries (on a
// fake device whose copy fails on demand), and the decoding by extension.
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <wx/image.h>

#include "app/product_paths.h"
#include "device/detection.h"
#include "device/device_table.h"
#include "device/load_picture_info.h"
#include "device/picture_loader_kind.h"
#include "device/picture_thumbnail.h"
#include "fake_device_service.h"
#include "support/temp_home.h"

namespace {

namespace fs = std::filesystem;

const std::string kDemoPictures = HANDOVER_STAGE_DIR "/demo-devices/iphone/files/DCIM/100APPLE/";
const std::string kJpeg = kDemoPictures + "IMG_0001.JPG";
const std::string kPng = kDemoPictures + "IMG_0004.PNG";

void AddImageHandlers()
{
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
        wxImage::AddHandler(new wxPNGHandler);
    if (wxImage::FindHandler(wxBITMAP_TYPE_JPEG) == nullptr)
        wxImage::AddHandler(new wxJPEGHandler);
}

size_t CountOf(const std::string& text, const std::string& line)
{
    size_t count = 0;
    for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
        ++count;
    return count;
}

// One fake device, detected and chosen; its copy runs `copyFile`.
class ThumbnailTest : public testing::Test {
protected:
    void SetUp() override
    {
        AddImageHandlers();
        // Devices of other tests are closed by the library that opened them.
        setenv("HANDOVER_DEVICES", "", 1);
        RunDetection(nullptr);
        FakeDeviceWorld& world = InstallFakeDeviceServices();
        world.devices.push_back(FakeDeviceSpec("fake-phone", "path"));
        world.copyFile = [this](const char* devicePath, const char* localPath) {
            ++copies;
            lastDevicePath = devicePath;
            if (failuresLeft > 0) {
                --failuresLeft;
                return POD_COPY_FAILED;
            }
            std::error_code error;
            fs::copy_file(source, fs::u8path(localPath), fs::copy_options::overwrite_existing, error);
            return error ? POD_COPY_FAILED : POD_COPY_OK;
        };
        RunDetection(nullptr);
        wxMutexLocker lock(deviceTable.deviceTableMutex);
        deviceTable.currentIndex = 0;
        ASSERT_NE(CurrentSlot(deviceTable), nullptr);
    }
    void TearDown() override
    {
        InstallFakeDeviceServices();
        RunDetection(nullptr);
        UninstallFakeDeviceServices();
    }

    fs::path CacheFolder() const { return fs::u8path((GetUserFilesDir() + "/fake-phone/camera-roll").utf8_string()); }

    struct Result {
        bool bitmapReady;
        bool thumbnail;
        wxSize size;
    };

    // Loads the thumbnail of devicePath as the camera-roll loader does.
    Result Load(const wxString& devicePath)
    {
        LoadPictureInfo info;
        info.devicePath = devicePath;
        testing::internal::CaptureStdout();
        LoadThumbnail(CameraRollLoaderKind(), info);
        trace = testing::internal::GetCapturedStdout();
        return {info.bitmapReady, info.thumbnail != nullptr, info.thumbnail ? info.thumbnail->GetSize() : wxSize()};
    }

    std::atomic<int> copies{0};
    int failuresLeft = 0;
    fs::path source = kJpeg;
    std::string lastDevicePath;
    std::string trace;
};

} // namespace

TEST(ThumbnailCacheName, IsTheLastPartOfThePathAndNeverAFolderName)
{
    const struct {
        const char* devicePath;
        const char* name;
    } cases[] = {
        {"/DCIM/100APPLE/IMG_0001.JPG", "IMG_0001.JPG"},
        {"IMG_0002.PNG", "IMG_0002.PNG"},
        {"/DCIM/a\\b.jpg", "a\\b.jpg"},
        {"/DCIM/..jpg", "..jpg"},
        {"", ""},
        {"/DCIM/", ""},
        {"/", ""},
        {"/DCIM/.", ""},
        {"/DCIM/..", ""},
        {"..", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ThumbnailCacheName(c.devicePath), c.name) << c.devicePath;
}

TEST(DecodeThumbnail, ChoosesTheDecoderByExtensionInAnyCase)
{
    AddImageHandlers();
    const std::string folder = MakeTempFolder("decode");
    const struct {
        const char* name;
        const std::string* source;  // null: an empty file; "garbage" is text
        bool decodes;
    } cases[] = {
        {"a.JPG", &kJpeg, true},       {"b.jpg", &kJpeg, true},    {"c.Png", &kPng, true},
        {"d.png", &kPng, true},        {"e.HEIC", &kJpeg, false},  {"f.MOV", &kJpeg, false},
        {"g.jpeg.txt", &kJpeg, false}, {"h.jpg", nullptr, false},  {"i.jpg", &kPng, false},
        {"j.png", &kJpeg, false},      {"noextension", &kJpeg, false},
    };
    for (const auto& c : cases) {
        const fs::path file = fs::path(folder) / c.name;
        if (c.source != nullptr)
            fs::copy_file(*c.source, file);
        else
            WriteTextFile(file.string(), "");
        wxImage thumbnail;
        EXPECT_EQ(DecodeThumbnail(wxString::FromUTF8(file.string()), thumbnail), c.decodes) << c.name;
        if (c.decodes) {
            EXPECT_EQ(thumbnail.GetSize(), wxSize(100, 100)) << c.name;
        }
    }
    wxImage missing;
    EXPECT_FALSE(DecodeThumbnail(wxString::FromUTF8(folder + "/missing.jpg"), missing));
}

TEST_F(ThumbnailTest, CopyIsTriedUpToThreeTimes)
{
    const struct {
        int failures;
        int copies;
        bool thumbnail;
    } cases[] = {{0, 1, true}, {1, 2, true}, {2, 3, true}, {3, 3, false}, {5, 3, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failures);
        copies = 0;
        failuresLeft = c.failures;
        const Result info = Load("/DCIM/100APPLE/IMG_0001.JPG");
        EXPECT_EQ(copies, c.copies);
        EXPECT_EQ(lastDevicePath, "/DCIM/100APPLE/IMG_0001.JPG");
        EXPECT_EQ(CountOf(trace, "ExportFile begin\n"), static_cast<size_t>(c.copies));
        EXPECT_EQ(CountOf(trace, "ExportFile end\n"), static_cast<size_t>(c.copies));
        EXPECT_EQ(info.bitmapReady, c.thumbnail);
        EXPECT_EQ(info.thumbnail, c.thumbnail);
        if (c.thumbnail) {
            EXPECT_EQ(info.size, wxSize(100, 100));
        }
    }
}

TEST_F(ThumbnailTest, OldCopyIsFetchedAnew)
{
    fs::create_directories(CacheFolder());
    // A copy from before that decodes: it must not stand in for a failed copy.
    fs::copy_file(kJpeg, CacheFolder() / "IMG_0009.JPG", fs::copy_options::overwrite_existing);
    failuresLeft = 3;
    const Result info = Load("/DCIM/100APPLE/IMG_0009.JPG");
    EXPECT_EQ(copies, 3);
    EXPECT_FALSE(info.bitmapReady);
    EXPECT_FALSE(fs::exists(CacheFolder() / "IMG_0009.JPG"));
}

TEST_F(ThumbnailTest, UnsafeNamesTouchNothing)
{
    // Files around the cache folder that a name like ".." would reach.
    fs::create_directories(CacheFolder());
    const fs::path deviceFolder = CacheFolder().parent_path();
    WriteTextFile((deviceFolder / "keep.txt").string(), "mine");
    WriteTextFile((CacheFolder() / "keep.txt").string(), "mine");
    for (const char* path : {"", "/", "/DCIM/", "/DCIM/.", "/DCIM/..", ".."}) {
        SCOPED_TRACE(path);
        const Result info = Load(path);
        EXPECT_FALSE(info.bitmapReady);
        EXPECT_FALSE(info.thumbnail);
    }
    EXPECT_EQ(copies, 0);
    EXPECT_EQ(ReadTextFile((deviceFolder / "keep.txt").string()), "mine");
    EXPECT_EQ(ReadTextFile((CacheFolder() / "keep.txt").string()), "mine");
    EXPECT_TRUE(fs::is_directory(CacheFolder()));

    // A folder where the copy would go is left alone too.
    fs::create_directories(CacheFolder() / "IMG_0003.JPG" / "inside");
    const Result info = Load("/DCIM/IMG_0003.JPG");
    EXPECT_FALSE(info.bitmapReady);
    EXPECT_EQ(copies, 0);
    EXPECT_TRUE(fs::is_directory(CacheFolder() / "IMG_0003.JPG" / "inside"));
}

TEST_F(ThumbnailTest, NoChosenDeviceGivesNoThumbnail)
{
    {
        wxMutexLocker lock(deviceTable.deviceTableMutex);
        deviceTable.currentIndex = 5;
    }
    const Result info = Load("/DCIM/100APPLE/IMG_0001.JPG");
    EXPECT_FALSE(info.bitmapReady);
    EXPECT_EQ(copies, 0);
}
