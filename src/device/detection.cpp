#include "device/detection.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <memory>

#include <wx/event.h>
#include <wx/filefn.h>
#include <wx/intl.h>

#include "app/product_paths.h"
#include "app/text_format.h"
#include "app/trace.h"
#include "device/device_id.h"
#include "device/device_services.h"
#include "device/device_table.h"
#include "device/plist_fields.h"
#include "device/sync_objects.h"
#include "device/thread_events.h"

namespace {

std::atomic<wxEvtHandler*> detectDoneReceiver{nullptr};

constexpr int kStepCount = 16;

const char* const kStepTexts[kStepCount] = {
    wxTRANSLATE("Init Device"), wxTRANSLATE("Music"), wxTRANSLATE("Movies"),
    wxTRANSLATE("TV Shows"), wxTRANSLATE("Podcast"), wxTRANSLATE("Audiobooks"),
    wxTRANSLATE("Books"), wxTRANSLATE("Ringtones"), wxTRANSLATE("Playlists"),
    wxTRANSLATE("Voice Memos"), wxTRANSLATE("Camera Roll"), wxTRANSLATE("Photos"),
    wxTRANSLATE("Contact"), wxTRANSLATE("Message"), wxTRANSLATE("Note"), wxTRANSLATE("Bookmark"),
};

struct PlistHolder {
    plist_t node;
    ~PlistHolder()
    {
        if (node != nullptr)
            plist_free(node);
    }
};

void QueueProgress(wxEvtHandler* handler, int step, const wxString& deviceName)
{
    if (handler == nullptr)
        return;
    auto* event = new wxCommandEvent(EVT_DETECT_PROGRESS, 0);
    event->SetInt(step * 100 / kStepCount);
    event->SetString(deviceName + " (" + wxGetTranslation(kStepTexts[step - 1]) + ")");
    wxQueueEvent(handler, event);
}

// Removes what a folder holds without following links out of it.
void RemoveTree(const wxString& folder)
{
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(folder.utf8_string()), ignored);
}

// Prepares a connected device: a fresh working folder, then Initialize.
bool InitializeDevice(DeviceSlot& slot, wxString& errorText)
{
    if (slot.deviceType == "path")
        return true;

    int result = -1;
    if (IsSafeDeviceId(slot.deviceId)) {
        wxString folder = GetUserFilesDir() + "/" + slot.deviceId;
        RemoveTree(folder);
        wxMkdir(folder, 0777);
        folder += "/database";
        wxMkdir(folder, 0777);
        TraceLine("......Init dir: " + folder);
        result = slot.device->Initialize(slot.device, folder.utf8_str());
    } else {
        // The id would name a folder outside our own; never delete or make it.
        TraceLine("......Unsafe device id refused: " + slot.deviceId);
    }
    if (result == POD_INIT_READY)
        return true;

    slot.inUse = false;
    if (errorText.empty()) {
        if (result == POD_INIT_NO_DEVICE)
            errorText = _("No device detected, try to connect it.");
        else if (result == POD_INIT_LOCKED)
            errorText = _("Device is protected by passcode,unlock it first.");
        else
            errorText = _("Device connect failed.");
    }
    return false;
}

bool ContactNameLess(const HandoverContact* a, const HandoverContact* b)
{
    // Contacts without a name come first; the rest in byte order of their UTF-8 names.
    const char* left = a->name;
    const char* right = b->name;
    if (left == nullptr || right == nullptr)
        return left == nullptr && right != nullptr;
    return std::strcmp(left, right) < 0;
}

void LoadSlot(DeviceSlot& slot, wxEvtHandler* progress)
{
    PodDevice* device = slot.device;
    HandoverService* content = GetHandoverService();
    const wxScopedCharBuffer id = slot.deviceId.utf8_str();

    slot.deviceInfo = device->GetDeviceInfo(device);
    slot.deviceName = DictHasString(slot.deviceInfo, "DeviceName") ? DictString(slot.deviceInfo, "DeviceName")
                                                                   : _("Unknown Device");
    QueueProgress(progress, 1, slot.deviceName);

    // Steps 2 to 11: the media and picture lists, in the order of their
    // progress texts.
    using ListGetter = plist_t (*PodDevice::*)(PodDevice*, int, int);
    static const struct {
        plist_t DeviceSlot::*list;
        ListGetter get;
    } kListSteps[] = {
        {&DeviceSlot::music, &PodDevice::GetMusic},           {&DeviceSlot::movies, &PodDevice::GetMovies},
        {&DeviceSlot::tvShows, &PodDevice::GetTvShows},       {&DeviceSlot::podcasts, &PodDevice::GetPodcasts},
        {&DeviceSlot::audiobooks, &PodDevice::GetAudiobooks}, {&DeviceSlot::books, &PodDevice::GetBooks},
        {&DeviceSlot::ringtones, &PodDevice::GetRingtones},   {&DeviceSlot::playlists, &PodDevice::GetPlaylists},
        {&DeviceSlot::voiceMemos, &PodDevice::GetVoiceMemos}, {&DeviceSlot::cameraRoll, &PodDevice::GetCameraRoll},
    };
    int step = 2;
    for (const auto& listStep : kListSteps) {
        slot.*listStep.list = (device->*listStep.get)(device, 0, 0);
        QueueProgress(progress, step++, slot.deviceName);
    }
    slot.photos = device->GetPhotos(device);
    QueueProgress(progress, 12, slot.deviceName);

    slot.contactCount = 0;
    slot.contacts = content ? content->GetContacts(nullptr, id, &slot.contactCount) : nullptr;
    slot.sortedContacts.clear();
    for (HandoverContact* contact = slot.contacts; contact != nullptr; contact = contact->next)
        slot.sortedContacts.push_back(contact);
    std::stable_sort(slot.sortedContacts.begin(), slot.sortedContacts.end(), &ContactNameLess);
    QueueProgress(progress, 13, slot.deviceName);

    slot.messageCount = 0;
    slot.messages = content ? content->GetMessages(nullptr, id, &slot.messageCount, slot.contacts) : nullptr;
    QueueProgress(progress, 14, slot.deviceName);
    slot.noteCount = 0;
    slot.notes = content ? content->GetNotes(nullptr, id, &slot.noteCount) : nullptr;
    QueueProgress(progress, 15, slot.deviceName);
    slot.bookmarkCount = 0;
    slot.bookmarks = content ? content->GetBookmarks(nullptr, id, &slot.bookmarkCount) : nullptr;
    QueueProgress(progress, 16, slot.deviceName);
}

} // namespace

void SetDetectDoneReceiver(wxEvtHandler* receiver)
{
    detectDoneReceiver = receiver;
}

wxEvtHandler* GetDetectDoneReceiver()
{
    return detectDoneReceiver.load();
}

void RunDetection(wxEvtHandler* progressHandler)
{
    TraceLine("Entry DoDetectDevice::Entry()");
    RaiseLoaderGenerations();

    wxString errorText;
    {
        wxMutexLocker lock(deviceTable.deviceTableMutex);
        deviceTable.ReleaseContent();

        deviceTable.deviceCount = 0;
        deviceTable.currentIndex = 0;
        PodDeviceService* service = GetPodDeviceService();
        PlistHolder list{service ? service->ListDevices() : nullptr};
        const bool isArray = list.node != nullptr && plist_get_node_type(list.node) == PLIST_ARRAY;
        const int listed = isArray ? static_cast<int>(plist_array_get_size(list.node)) : 0;
        for (int i = DeviceTable::kSlotCount; i < listed; ++i)
            TraceLine("......Device ignored, all slots in use: " +
                      DictString(plist_array_get_item(list.node, i), "value"));
        deviceTable.deviceCount = std::min(listed, DeviceTable::kSlotCount);

        for (int i = 0; i < deviceTable.deviceCount; ++i) {
            DeviceSlot& slot = deviceTable.slots[i];
            plist_t entry = plist_array_get_item(list.node, i);
            const wxString type = DictString(entry, "type");
            const wxString value = DictString(entry, "value");
            TraceLine("id_str: " + value);
            TraceLine("type_str: " + type);

            slot.deviceId = value;
            slot.deviceType = type;
            slot.device = service->OpenDevice(value.utf8_str(), type.utf8_str());
            slot.inUse = true;
            if (slot.device == nullptr) {
                // The library could not open what it listed (unplugged meanwhile).
                slot.inUse = false;
                if (errorText.empty())
                    errorText = _("Device connect failed.");
                continue;
            }
            if (!InitializeDevice(slot, errorText))
                continue;
            LoadSlot(slot, progressHandler);
        }
    }

    if (wxEvtHandler* receiver = GetDetectDoneReceiver()) {
        auto* done = new wxThreadEvent(wxEVT_THREAD, ID_DETECT_DONE);
        done->SetString(errorText);
        wxQueueEvent(receiver, done);
    }
    TraceLine("Leave DoDetectDevice::Entry()");
}
