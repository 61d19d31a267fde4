// The device service table and the PodDevice table of a folder device. A
// real USB backend will add its own PodDevice kind beside the folder device;
// the tables stay as they are.

#include "devicekit/devicekit.h"

#include "folder_device.h"
#include "folder_device_locator.h"

#include <memory>

namespace devicekit {

namespace {

const FolderDevice* Folder(PodDevice* device)
{
    return device ? static_cast<const FolderDevice*>(device->impl) : nullptr;
}

plist_t ListOf(PodDevice* device, FolderDevice::List list)
{
    const FolderDevice* folder = Folder(device);
    return folder ? folder->GetList(list).release() : nullptr;
}

int Initialize(PodDevice* device, const char* workingFolder)
{
    const FolderDevice* folder = Folder(device);
    return folder ? folder->Initialize(workingFolder) : POD_INIT_NO_DEVICE;
}

plist_t GetDeviceInfo(PodDevice* device)
{
    const FolderDevice* folder = Folder(device);
    return folder ? folder->GetDeviceInfo().release() : nullptr;
}

int CopyFileToLocal(PodDevice* device, const char* devicePath, const char* localPath, PodProgressCallback progress)
{
    const FolderDevice* folder = Folder(device);
    return folder ? folder->CopyFileToLocal(devicePath, localPath, progress) : POD_COPY_FAILED;
}

int CopyFolderToLocal(PodDevice* device, const char* devicePath, const char* localFolder,
                      PodProgressCallback progress)
{
    const FolderDevice* folder = Folder(device);
    return folder ? folder->CopyFolderToLocal(devicePath, localFolder, progress) : POD_COPY_FAILED;
}

int IsFolder(PodDevice* device, const char* devicePath)
{
    const FolderDevice* folder = Folder(device);
    return folder && folder->IsFolder(devicePath) ? 1 : 0;
}

plist_t GetMusic(PodDevice* d, int, int) { return ListOf(d, FolderDevice::List::Music); }
plist_t GetPlaylists(PodDevice* d, int, int) { return ListOf(d, FolderDevice::List::Playlists); }
plist_t GetMovies(PodDevice* d, int, int) { return ListOf(d, FolderDevice::List::Movies); }
plist_t GetPodcasts(PodDevice* d, int, int) { return ListOf(d, FolderDevice::List::Podcasts); }
plist_t GetTvShows(PodDevice* d, int, int) { return ListOf(d, FolderDevice::List::TvShows); }
plist_t GetAudiobooks(PodDevice* d, int, int) { return ListOf(d, FolderDevice::List::Audiobooks); }
plist_t GetVoiceMemos(PodDevice* d, int, int) { return ListOf(d, FolderDevice::List::VoiceMemos); }
plist_t GetRingtones(PodDevice* d, int, int) { return ListOf(d, FolderDevice::List::Ringtones); }
plist_t GetPhotos(PodDevice* d) { return ListOf(d, FolderDevice::List::Photos); }
plist_t GetBooks(PodDevice* d, int, int) { return ListOf(d, FolderDevice::List::Books); }
plist_t GetCameraRoll(PodDevice* d, int, int) { return ListOf(d, FolderDevice::List::CameraRoll); }

plist_t ListDevices()
{
    plist_t devices = plist_new_array();
    for (const FolderDeviceEntry& entry : FolderDeviceLocator::List()) {
        plist_t device = plist_new_dict();
        plist_dict_set_item(device, "type", plist_new_string(entry.type.c_str()));
        plist_dict_set_item(device, "value", plist_new_string(entry.id.c_str()));
        plist_array_append_item(devices, device);
    }
    return devices;
}

PodDevice* OpenDevice(const char* deviceId, const char* /*type: the folder declares its own*/)
{
    FolderDeviceEntry entry;
    if (!FolderDeviceLocator::Find(deviceId, &entry))
        return nullptr;
    std::unique_ptr<PodDevice> device(new PodDevice{});
    device->impl = new FolderDevice(entry.folder); // owned by the device; CloseDevice deletes it
    device->Initialize = Initialize;
    device->GetDeviceInfo = GetDeviceInfo;
    device->CopyFileToLocal = CopyFileToLocal;
    device->CopyFolderToLocal = CopyFolderToLocal;
    device->GetMusic = GetMusic;
    device->GetPlaylists = GetPlaylists;
    device->GetMovies = GetMovies;
    device->GetPodcasts = GetPodcasts;
    device->GetTvShows = GetTvShows;
    device->GetAudiobooks = GetAudiobooks;
    device->GetVoiceMemos = GetVoiceMemos;
    device->GetRingtones = GetRingtones;
    device->GetPhotos = GetPhotos;
    device->GetBooks = GetBooks;
    device->GetCameraRoll = GetCameraRoll;
    device->IsFolder = IsFolder;
    return device.release();
}

void CloseDevice(PodDevice* device)
{
    if (!device)
        return;
    delete static_cast<FolderDevice*>(device->impl);
    delete device;
}

} // namespace

} // namespace devicekit

extern "C" PodDeviceService* CreatePodDeviceService(void)
{
    return new PodDeviceService{devicekit::ListDevices, devicekit::OpenDevice, devicekit::CloseDevice};
}

extern "C" void FreePodDeviceService(PodDeviceService* service)
{
    delete service;
}
