#include "fake_device_service.h"

#include <list>
#include <memory>

#include "device/device_services.h"

namespace {

FakeDeviceWorld world;

struct FakePodDevice : PodDevice {
    FakeDeviceSpec config;
};

struct FakeContacts {
    std::vector<HandoverContact> records;
};
std::list<FakeContacts> contactLists;

const FakeDeviceSpec* FindSpec(const char* id)
{
    for (const FakeDeviceSpec& config : world.devices) {
        if (config.id == id)
            return &config;
    }
    return nullptr;
}

plist_t MediaList(int count)
{
    plist_t dict = plist_new_dict();
    plist_dict_set_item(dict, "number", plist_new_uint(count));
    plist_dict_set_item(dict, "item", plist_new_array());
    return dict;
}

int Initialize(PodDevice* device, const char* folder)
{
    world.initFolders.push_back(folder ? folder : "");
    return static_cast<FakePodDevice*>(device)->config.initResult;
}

plist_t GetDeviceInfo(PodDevice* device)
{
    const FakeDeviceSpec& config = static_cast<FakePodDevice*>(device)->config;
    plist_t dict = plist_new_dict();
    if (!config.name.empty())
        plist_dict_set_item(dict, "DeviceName", plist_new_string(config.name.c_str()));
    plist_dict_set_item(dict, "Type", plist_new_string(config.type.c_str()));
    return dict;
}

plist_t GetList(PodDevice*, int, int) { return MediaList(1); }
plist_t GetArrayList(PodDevice*, int, int) { return plist_new_array(); }
plist_t GetPhotos(PodDevice*) { return MediaList(2); }
int Copy(PodDevice*, const char* devicePath, const char* localPath, PodProgressCallback)
{
    return world.copyFile ? world.copyFile(devicePath, localPath) : POD_COPY_FAILED;
}
int IsFolder(PodDevice*, const char*) { return 0; }

plist_t ListDevices()
{
    if (world.listIsNull)
        return nullptr;
    plist_t array = plist_new_array();
    for (const FakeDeviceSpec& config : world.devices) {
        plist_t entry = plist_new_dict();
        plist_dict_set_item(entry, "type", plist_new_string(config.type.c_str()));
        plist_dict_set_item(entry, "value", plist_new_string(config.id.c_str()));
        plist_array_append_item(array, entry);
    }
    return array;
}

PodDevice* OpenDevice(const char* id, const char* /*type*/)
{
    world.opened.push_back(id);
    const FakeDeviceSpec* config = FindSpec(id);
    if (config == nullptr || config->openFails)
        return nullptr;
    auto* device = new FakePodDevice;
    device->impl = nullptr;
    device->config = *config;
    device->Initialize = &Initialize;
    device->GetDeviceInfo = &GetDeviceInfo;
    device->CopyFileToLocal = &Copy;
    device->CopyFolderToLocal = &Copy;
    device->GetMusic = device->GetMovies = device->GetPodcasts = device->GetTvShows = &GetList;
    device->GetAudiobooks = device->GetVoiceMemos = device->GetRingtones = device->GetCameraRoll = &GetList;
    device->GetPlaylists = device->GetBooks = &GetArrayList;
    device->GetPhotos = &GetPhotos;
    device->IsFolder = &IsFolder;
    return device;
}

void CloseDevice(PodDevice* device)
{
    auto* fake = static_cast<FakePodDevice*>(device);
    world.closed.push_back(fake->config.id);
    delete fake;
}

HandoverContact* GetContacts(void*, const char* id, int* count)
{
    const FakeDeviceSpec* config = FindSpec(id);
    *count = 0;
    if (config == nullptr || config->contactNames.empty())
        return nullptr;
    contactLists.emplace_back();
    auto& records = contactLists.back().records;
    records.resize(config->contactNames.size());
    for (size_t i = 0; i < records.size(); ++i) {
        records[i].name = config->contactNames[i];
        records[i].properties = nullptr;
        records[i].next = i + 1 < records.size() ? &records[i + 1] : nullptr;
    }
    *count = static_cast<int>(records.size());
    return records.data();
}

HandoverConversation* GetMessages(void*, const char*, int* count, HandoverContact*) { *count = 0; return nullptr; }
HandoverNote* GetNotes(void*, const char*, int* count) { *count = 0; return nullptr; }
HandoverBookmark* GetBookmarks(void*, const char*, int* count) { *count = 0; return nullptr; }
void FreeContacts(HandoverContact* head)
{
    contactLists.remove_if([head](const FakeContacts& list) { return !list.records.empty() && list.records.data() == head; });
}
void FreeMessages(HandoverConversation*) {}
void FreeNotes(HandoverNote*) {}
void FreeBookmarks(HandoverBookmark*) {}

PodDeviceService deviceService{&ListDevices, &OpenDevice, &CloseDevice};
HandoverService contentService{&GetContacts, &GetMessages, &GetNotes, &GetBookmarks,
                               &FreeContacts, &FreeMessages, &FreeNotes, &FreeBookmarks};

} // namespace

FakeDeviceWorld& InstallFakeDeviceServices()
{
    world = FakeDeviceWorld();
    SetDeviceServices(&deviceService, &contentService);
    return world;
}

void UninstallFakeDeviceServices()
{
    SetDeviceServices(nullptr, nullptr);
}
