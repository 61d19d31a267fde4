#include "demo_devices.h"

#include "demo_media.h"
#include "demo_pictures.h"
#include "demo_records.h"
#include "device_writer.h"

bool DemoDevices::WriteIPhone(const std::string& folder)
{
    DeviceWriter device(folder, false);
    device.WriteInfo(DeviceWriter::InfoDict({"Anna's iPhone", "iPhone", "17.4.1", "F2LDEMO00001", 127881465856ull,
                                             9126805504ull, 21474836480ull, 14495514624ull, 38117834752ull}));
    plist_t songs = DemoMedia::WriteMusic(device, DemoMedia::kSongCount);
    DemoMedia::WritePlaylists(device, songs);
    plist_free(songs);
    DemoMedia::WriteVideoAudioAndBooks(device);
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
    device.WriteInfo(DeviceWriter::InfoDict({"Anna's iPad", "iPad", "16.7.2", "DMPDEMO00002", 63968497664ull,
                                             2147483648ull, 12884901888ull, 5368709120ull, 16106127360ull}));
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
    plist_t info = DeviceWriter::InfoDict({"Work iPhone", "iPhone", "17.5", "F2LDEMO00003", 255865782272ull,
                                           1073741824ull, 4294967296ull, 8589934592ull, 21474836480ull});
    // Listed as a connected device, so the program gives it a working folder
    // and calls Initialize, which answers "locked by passcode".
    plist_dict_set_item(info, "ConnectionType", plist_new_string("usb"));
    plist_dict_set_item(info, "InitializeResult", plist_new_uint(4));
    device.WriteInfo(info);
    plist_free(DemoMedia::WriteMusic(device, 3));
    return device.Ok();
}
