#include "content/device_summary.h"

#include <algorithm>
#include <cstdint>

#include <wx/intl.h>

#include "app/text_format.h"
#include "device/plist_fields.h"

namespace {

const char* const kImageFolder = "image/client/device-info/";
const char* const kPartNames[kStoragePartCount] = {"audio", "video", "photo", "others", "available"};
const char* const kSizeKeys[kPartAvailable] = {"Audio", "Video", "Photos", "Others"};

double Fraction(std::uint64_t size, std::uint64_t capacity)
{
    if (capacity == 0)
        return 0.0;
    return std::min(1.0, static_cast<double>(size) / static_cast<double>(capacity));
}

} // namespace

wxString DevicePicturePath(const wxString& type)
{
    const char* file = "unknow.png";
    if (type.Contains("iPad"))
        file = "ipad.png";
    else if (type.Contains("iPhone"))
        file = "iphone.png";
    else if (type.Contains("iPod"))
        file = "ipod.png";
    return wxString(kImageFolder) + file;
}

DeviceSummary BuildDeviceSummary(plist_t deviceInfo)
{
    DeviceSummary summary;
    summary.type = DictString(deviceInfo, "Type");
    summary.picturePath = DevicePicturePath(summary.type);
    summary.name = DictString(deviceInfo, "DeviceName");
    summary.version = DictString(deviceInfo, "Version");
    summary.serialNumber = DictString(deviceInfo, "SerialNumber");

    std::uint64_t capacity = 0;
    const bool hasCapacity = DictUint(deviceInfo, "Catacity", capacity);
    summary.capacity = hasCapacity ? FormatSize(capacity) : _("unknown");

    for (int part = kPartAudio; part < kPartAvailable; ++part) {
        std::uint64_t size = 0;
        DictUint(deviceInfo, kSizeKeys[part], size);
        summary.legendValues[part] = FormatSize(size);
        summary.fractions[part] = Fraction(size, capacity);
    }

    std::uint64_t available = 0;
    if (DictUint(deviceInfo, "Available", available) && capacity != 0) {
        summary.legendValues[kPartAvailable] = FormatSize(available);
        summary.fractions[kPartAvailable] = Fraction(available, capacity);
    } else {
        summary.capacity = _("unknown");
    }
    return summary;
}

DeviceSummaryCaptions TranslatedDeviceSummaryCaptions()
{
    DeviceSummaryCaptions captions;
    captions.type = _("Type: ");
    captions.capacity = _("Capacity: ");
    captions.version = _("Version: ");
    captions.serialNumber = _("Serial number: ");
    captions.legend[kPartAudio] = _("Audio");
    captions.legend[kPartVideo] = _("Video");
    captions.legend[kPartPhoto] = _("Photo");
    captions.legend[kPartOthers] = _("Others");
    captions.legend[kPartAvailable] = _("Available");
    return captions;
}

wxString StoragePartImagePath(int part)
{
    if (part < 0 || part >= kStoragePartCount)
        return wxString();
    return wxString(kImageFolder) + "percentage_" + kPartNames[part] + ".png";
}

wxString LegendSampleImagePath(int part)
{
    if (part < 0 || part >= kStoragePartCount)
        return wxString();
    return wxString(kImageFolder) + "sample_" + kPartNames[part] + ".png";
}
