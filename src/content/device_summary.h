#pragma once
// What the device summary page shows for a device information dict: the
// picture, the texts, the storage bar's fractions and the legend's values,
// and the page's captions in the current language.

#include <plist/plist.h>
#include <wx/string.h>

// Storage bar parts and legend entries, left to right. The bar draws the
// last part as whatever the first four leave.
enum StoragePart { kPartAudio, kPartVideo, kPartPhoto, kPartOthers, kPartAvailable, kStoragePartCount };

struct DeviceSummary {
    wxString picturePath;  // theme image of the device kind
    wxString name;
    wxString type;
    wxString version;
    wxString serialNumber;
    // The capacity value and the large capacity text beside the bar: the
    // formatted capacity, or the translated "unknown" without a capacity or
    // without a free-space figure.
    wxString capacity;
    double fractions[kStoragePartCount] = {};   // share of the capacity, 0 to 1
    wxString legendValues[kStoragePartCount];   // formatted sizes; free space empty when unknown
};

// The theme image for a "Type" string: the first of iPad, iPhone and iPod
// that it contains (case-sensitive), else the picture for other devices.
wxString DevicePicturePath(const wxString& type);

// Missing texts are empty and missing sizes count 0. Without a capacity (or
// with 0) the bar shows no used parts. Fractions are capped at 1; the bar
// cuts what runs past its end anyway. A null or non-dict node gives the
// summary of an empty dict.
DeviceSummary BuildDeviceSummary(plist_t deviceInfo);

struct DeviceSummaryCaptions {
    wxString type;          // "Type: "
    wxString capacity;      // "Capacity: "
    wxString version;       // "Version: "
    wxString serialNumber;  // "Serial number: "
    wxString legend[kStoragePartCount];  // "Audio", "Video", "Photo", "Others", "Available"
};

// The captions translated into the current language.
DeviceSummaryCaptions TranslatedDeviceSummaryCaptions();

// Theme images of a bar part's pattern and of its legend sample.
wxString StoragePartImagePath(int part);
wxString LegendSampleImagePath(int part);
