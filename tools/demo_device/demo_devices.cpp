#include "demo_devices.h"

#include "demo_media.h"
#include "demo_pictures.h"
#include "demo_records.h"
#include "device_writer.h"

#include <cstdint>

namespace {

struct DeviceInfo {
    const char* name;
    const char* type;
    const char* version;
    const char* serial;
    std::uint64_t capacity, audio, video, photos, others;
};

plist_t InfoDict(const DeviceInfo& info)
{
    plist_t dict = plist_new_dict();
    plist_dict_set_item(dict, "DeviceName", plist_new_string(info.name));
    plist_dict_set_item(dict, "Type", plist_new_string(info.type));
    plist_dict_set_item(dict, "Version", plist_new_string(info.version));
    plist_dict_set_item(dict, "SerialNumber", plist_new_string(info.serial));
    plist_dict_set_item(dict, "Catacity", plist_new_uint(info.capacity));
    plist_dict_set_item(dict, "Audio", plist_new_uint(info.audio));
    plist_dict_set_item(dict, "Video", plist_new_uint(info.video));
    plist_dict_set_item(dict, "Photos", plist_new_uint(info.photos));
    plist_dict_set_item(dict, "Others", plist_new_uint(info.others));
    plist_dict_set_item(dict, "Available",
                        plist_new_uint(info.capacity - info.audio - info.video - info.photos - info.others));
    return dict;
}

} // namespace

bool DemoDevices::WriteIPhone(const std::string& folder)
{
    DeviceWriter device(folder, false);
    device.WriteInfo(InfoDict({"Anna's iPhone", "iPhone", "17.4.1", "F2LDEMO00001", 127881465856ull,
                               9126805504ull, 21474836480ull, 14495514624ull, 38117834752ull}));
    plist_t songs = DemoMedia::WriteMusic(device, DemoMedia::kSongCount);
    DemoMedia::WritePlaylists(device, songs);
    plist_free(songs);
    DemoMedia::WriteMovies(device, 3);
    DemoMedia::WriteTvShows(device);
    DemoMedia::WritePodcasts(device);
    DemoMedia::WriteAudiobooks(device);
    DemoMedia::WriteRingtones(device);
    DemoMedia::WriteVoiceMemos(device);
    DemoMedia::WriteBooks(device, true);
    DemoPictures::WriteCameraRoll(device, 60, true);
    DemoPictures::WritePhotos(device, 30);
    DemoRecords::WriteContacts(device);
    DemoRecords::WriteMessages(device);
    DemoRecords::WriteNotes(device, 5);
    DemoRecords::WriteBookmarks(device);
    return device.Ok();
}

bool DemoDevices::WriteIPad(const std::string& folder)
{
    // No contacts, messages, ringtones, voice memos, podcasts, TV shows or
    // audiobooks: those categories are absent, not empty.
    DeviceWriter device(folder, false);
    device.WriteInfo(InfoDict({"Anna's iPad", "iPad", "16.7.2", "DMPDEMO00002", 63968497664ull, 2147483648ull,
                               12884901888ull, 5368709120ull, 16106127360ull}));
    plist_t songs = DemoMedia::WriteMusic(device, 12);
    DemoMedia::WritePlaylists(device, songs);
    plist_free(songs);
    DemoMedia::WriteMovies(device, 2);
    DemoMedia::WriteBooks(device, false);
    DemoPictures::WriteCameraRoll(device, 20, false);
    DemoPictures::WritePhotos(device, 10);
    DemoRecords::WriteNotes(device, 2);
    DemoRecords::WriteBookmarks(device);
    return device.Ok();
}

bool DemoDevices::WriteLockedIPhone(const std::string& folder)
{
    DeviceWriter device(folder, false);
    plist_t info = InfoDict({"Work iPhone", "iPhone", "17.5", "F2LDEMO00003", 255865782272ull, 1073741824ull,
                             4294967296ull, 8589934592ull, 21474836480ull});
    // Listed as a connected device, so the program gives it a working folder
    // and calls Initialize, which answers "locked by passcode".
    plist_dict_set_item(info, "ConnectionType", plist_new_string("usb"));
    plist_dict_set_item(info, "InitializeResult", plist_new_uint(4));
    device.WriteInfo(info);
    plist_free(DemoMedia::WriteMusic(device, 3));
    return device.Ok();
}
