#pragma once
// The device summary page: a picture of the kind of device, its name, type,
// capacity, system version and serial number, and below them the storage bar
// with a legend of the space used by audio, video, photos and other data and
// the space still free. The right pane shows it when a device node itself is
// selected; the navigation pane fills it from the device's information dict.
//
// The values come from BuildDeviceSummary; this class only lays them out. The
// view draws its background image (its own copy) behind every child; the
// storage bar owns another copy for the corners around its rounded outline.

#include <plist/plist.h>
#include <wx/bitmap.h>
#include <wx/custombgwin.h>
#include <wx/panel.h>

#include "content/device_summary.h"

class SKHistogramCtrl;
class wxStaticBitmap;
class wxStaticText;

class DeviceInfoView : public wxCustomBackgroundWindow<wxPanel> {
public:
    DeviceInfoView(wxWindow* parent, const wxPoint& position, const wxSize& size, const wxBitmap& background);

    // Fills the page from a device information dict; nothing for null.
    void ShowDeviceInfo(plist_t deviceInfo);
    // Sets the nine captions again in the current language.
    void UpdateLabels();

    SKHistogramCtrl* GetStorageBar() const { return storageBar; }
    wxStaticBitmap* GetDeviceImage() const { return deviceImage; }
    const wxString& GetPicturePath() const { return picturePath; }
    wxString GetNameText() const;
    wxString GetCapacityValue() const;
    wxString GetCapacityCaption() const;
    wxString GetCapacityText() const;
    wxString GetLegendValue(int part) const;

private:
    wxSizer* BuildInformationGrid();
    wxSizer* BuildStorageBlock();
    wxSizer* BuildLegendEntry(int part);

    wxBitmap background;
    wxString picturePath;

    wxStaticBitmap* deviceImage = nullptr;
    wxStaticText* nameLabel = nullptr;
    wxStaticText* typeCaption = nullptr;
    wxStaticText* typeValue = nullptr;
    wxStaticText* capacityCaption = nullptr;
    wxStaticText* capacityValue = nullptr;
    wxStaticText* versionCaption = nullptr;
    wxStaticText* versionValue = nullptr;
    wxStaticText* serialCaption = nullptr;
    wxStaticText* serialValue = nullptr;
    SKHistogramCtrl* storageBar = nullptr;
    wxStaticText* capacityText = nullptr;
    wxStaticText* legendCaptions[kStoragePartCount] = {};  // audioCaption ... availableCaption
    wxStaticText* legendValues[kStoragePartCount] = {};    // audioSize ... availableSize
};
