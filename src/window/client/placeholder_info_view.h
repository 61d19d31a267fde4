#pragma once
// Stands in for the device summary view (view 1 of the right pane) until the
// content-view work replaces it: an empty page on the client background that
// only remembers the device information it was last handed.

#include <plist/plist.h>

#include "window/skinned_panel.h"

class PlaceholderInfoView : public SkinnedPanel {
public:
    // Takes ownership of background (may be null).
    PlaceholderInfoView(wxWindow* parent, wxBitmap* background);

    // The device's information dict; owned by the DeviceTable.
    void SetDeviceInfo(plist_t deviceInfo) { deviceInfo_ = deviceInfo; }
    plist_t GetDeviceInfo() const { return deviceInfo_; }

private:
    plist_t deviceInfo_ = nullptr;
};
