#include "demo_pictures.h"

#include "canvas.h"
#include "demo_random.h"
#include "media_writer.h"
#include "picture_writer.h"

#include <cstdio>
#include <filesystem>

namespace {

const Rgb kPalette[] = {
    {231, 76, 60},  {52, 152, 219}, {46, 204, 113}, {241, 196, 15}, {155, 89, 182}, {26, 188, 156},
    {230, 126, 34}, {236, 240, 241}, {52, 73, 94},  {255, 105, 180}, {0, 0, 128},  {128, 64, 0},
};
constexpr int kPaletteSize = sizeof kPalette / sizeof kPalette[0];

const struct {
    int width, height;
} kSizes[] = {
    {640, 480}, {480, 640}, {1024, 768}, {800, 600}, {1280, 960},
    {320, 240}, {1600, 1200}, {600, 600}, {960, 1280}, {400, 300},
};
constexpr int kSizeCount = sizeof kSizes / sizeof kSizes[0];

std::string CameraName(int number, const char* extension)
{
    char name[64];
    std::snprintf(name, sizeof name, "/DCIM/100APPLE/IMG_%04d.%s", number, extension);
    return name;
}

} // namespace

bool DemoPictures::WritePicture(const std::string& localPath, int number, bool png)
{
    std::filesystem::create_directories(std::filesystem::path(localPath).parent_path());
    const auto& size = kSizes[number % kSizeCount];
    Canvas canvas(size.width, size.height);
    canvas.DiagonalGradient(kPalette[number % kPaletteSize], kPalette[(number * 5 + 3) % kPaletteSize]);
    DemoRandom random(static_cast<std::uint64_t>(number) + 77);
    for (int i = 0; i < 3; ++i) {
        const int radius = static_cast<int>(random.Between(size.width / 16, size.width / 5));
        canvas.FillCircle(static_cast<int>(random.Between(0, size.width)),
                          static_cast<int>(random.Between(0, size.height)), radius,
                          kPalette[random.Between(0, kPaletteSize - 1)]);
    }
    const std::string digits = std::to_string(number);
    const int scale = std::max(2, size.width / 40);
    canvas.DrawNumber(digits, scale * 2, size.height - scale * 10, scale, {255, 255, 255});
    return png ? PictureWriter::WritePng(canvas, localPath) : PictureWriter::WriteJpeg(canvas, localPath, 85);
}

std::string DemoPictures::TakenAt(int number)
{
    static const int kMonthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int day = number * 3 % 700; // up to about two years after 2023-01-01
    int year = 2023, month = 0;
    while (day >= kMonthDays[month] - (month == 1 && year % 4 != 0 ? 1 : 0)) {
        day -= kMonthDays[month] - (month == 1 && year % 4 != 0 ? 1 : 0);
        if (++month == 12) {
            month = 0;
            ++year;
        }
    }
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month + 1, day + 1, 8 + number % 12,
                  number * 7 % 60, number * 13 % 60);
    return text;
}

void DemoPictures::WriteCameraRoll(const DeviceWriter& device, int pictureCount, bool extras)
{
    plist_t items = plist_new_array();
    for (int number = 1; number <= pictureCount; ++number) {
        const bool png = number % 4 == 0;
        const std::string path = CameraName(number, png ? "PNG" : "JPG");
        WritePicture(device.LocalPath(path), number, png);
        plist_array_append_item(items, device.PictureItem(TakenAt(number), path));
    }
    if (extras) {
        const std::string heic = CameraName(pictureCount + 1, "HEIC");
        MediaWriter::Mpeg4(device.LocalPath(heic), "heic", 180 * 1024);
        plist_array_append_item(items, device.PictureItem(TakenAt(pictureCount + 1), heic));
        const std::string movie = CameraName(pictureCount + 2, "MOV");
        MediaWriter::Mpeg4(device.LocalPath(movie), "qt  ", 900 * 1024);
        plist_array_append_item(items, device.PictureItem(TakenAt(pictureCount + 2), movie));
    }
    device.WriteList("camera_roll", DeviceWriter::ItemList(items));
}

void DemoPictures::WritePhotos(const DeviceWriter& device, int count)
{
    plist_t items = plist_new_array();
    for (int i = 0; i < count; ++i) {
        const bool holiday = i < count * 3 / 5;
        const int index = holiday ? i + 1 : i - count * 3 / 5 + 1;
        char path[96];
        std::snprintf(path, sizeof path, "/Photos/Sync/%s/%s_%02d.jpg", holiday ? "Holidays 2023" : "Family",
                      holiday ? "holiday" : "family", index);
        WritePicture(device.LocalPath(path), 500 + i, false);
        plist_array_append_item(items, device.PictureItem(TakenAt(200 + i), path));
    }
    device.WriteList("photos", DeviceWriter::ItemList(items));
}
