#pragma once
// The right-hand side of the client area: the getting-started view, the device
// summary and the content view, of which exactly one is shown once the first
// detection has started. Owns its background bitmap; the views are children.

#include "window/skinned_panel.h"

class NoDeviceView;
class DeviceContentView;
class DeviceInfoView;
class wxBoxSizer;

class RightPane : public SkinnedPanel {
public:
    // Which of the three views a ShowView index brings up.
    enum ShownView { kNoView = -1, kNoDevice = 0, kDeviceInfo = 1, kDeviceContent = 2 };

    // Takes ownership of background (may be null). Builds the three views hidden
    // and registers them.
    RightPane(wxWindow* parent, const wxPoint& position, const wxSize& size, wxBitmap* background);

    // 0 getting started, 1 device summary, 2 content view as it is, 3 to 11
    // content view with sub-view index - 3; anything else hides all three.
    void ShowView(int index);
    ShownView GetShownView() const;

    NoDeviceView* GetNoDeviceView() const { return noDeviceView_; }
    DeviceInfoView* GetDeviceInfoView() const { return deviceInfoView_; }
    DeviceContentView* GetDeviceContentView() const { return deviceContentView_; }

private:
    NoDeviceView* noDeviceView_ = nullptr;
    DeviceInfoView* deviceInfoView_ = nullptr;
    DeviceContentView* deviceContentView_ = nullptr;
    wxBoxSizer* sizer_ = nullptr;
};
