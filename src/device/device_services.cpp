#include "device/device_services.h"

#include <atomic>
#include <memory>

namespace {

struct LibraryServices {
    std::unique_ptr<PodDeviceService, decltype(&FreePodDeviceService)> devices{
        CreatePodDeviceService(), &FreePodDeviceService};
    std::unique_ptr<HandoverService, decltype(&FreeHandoverService)> content{
        CreateHandoverService(), &FreeHandoverService};
};

// Built during static initialisation, released by the static destructor.
LibraryServices libraryServices;

std::atomic<PodDeviceService*> deviceOverride{nullptr};
std::atomic<HandoverService*> contentOverride{nullptr};

} // namespace

PodDeviceService* GetPodDeviceService()
{
    PodDeviceService* override = deviceOverride.load();
    return override ? override : libraryServices.devices.get();
}

HandoverService* GetHandoverService()
{
    HandoverService* override = contentOverride.load();
    return override ? override : libraryServices.content.get();
}

void SetDeviceServices(PodDeviceService* devices, HandoverService* content)
{
    deviceOverride = devices;
    contentOverride = content;
}
