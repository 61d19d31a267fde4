#include "window/client/right_pane.h"

#include <wx/sizer.h>

#include "app/app_registry.h"
#include "common/image_util.h"
#include "window/client/device_content_view.h"
#include "window/client/device_info_view.h"
#include "window/client/no_device_view.h"

namespace {

wxBitmap* NewClientBackground()
{
    return LoadThemeBitmap("image/client/client_bg.png");
}

} // namespace

RightPane::RightPane(wxWindow* parent, const wxPoint& position, const wxSize& size, wxBitmap* background)
{
    if (!CreatePanel(parent, wxID_ANY, position, size, wxTAB_TRAVERSAL | wxBORDER_NONE, background))
        return;

    sizer_ = new wxBoxSizer(wxVERTICAL);
    SetSizer(sizer_);
    noDeviceView_ = new NoDeviceView(this, wxDefaultPosition, NewClientBackground());
    deviceInfoView_ = new DeviceInfoView(this, wxDefaultPosition, wxDefaultSize,
                                         GetThemeBitmap("image/client/client_bg.png"));
    deviceContentView_ = new DeviceContentView(NewClientBackground(), this);
    for (wxWindow* view : {static_cast<wxWindow*>(noDeviceView_), static_cast<wxWindow*>(deviceInfoView_),
                           static_cast<wxWindow*>(deviceContentView_)}) {
        sizer_->Add(view, 1, wxEXPAND | wxRIGHT, 2);
        sizer_->Hide(view);
    }
    RegisterWindow(kNoDeviceViewSlot, noDeviceView_);
    RegisterWindow(kDeviceInfoViewSlot, deviceInfoView_);
    RegisterWindow(kDeviceContentViewSlot, deviceContentView_);
    sizer_->AddSpacer(5);
}

void RightPane::ShowView(int index)
{
    if (sizer_ == nullptr)
        return;
    sizer_->Hide(noDeviceView_);
    sizer_->Hide(deviceInfoView_);
    sizer_->Hide(deviceContentView_);

    if (index == 0)
        sizer_->Show(noDeviceView_);
    else if (index == 1)
        sizer_->Show(deviceInfoView_);
    else if (index >= 2 && index <= 11)
        sizer_->Show(deviceContentView_);
    Layout();
    // The content view lays itself out when it switches its sub-view.
    if (index >= 3 && index <= 11)
        deviceContentView_->SwitchView(index - 3);
}

RightPane::ShownView RightPane::GetShownView() const
{
    if (noDeviceView_ != nullptr && noDeviceView_->IsShown())
        return kNoDevice;
    if (deviceInfoView_ != nullptr && deviceInfoView_->IsShown())
        return kDeviceInfo;
    if (deviceContentView_ != nullptr && deviceContentView_->IsShown())
        return kDeviceContent;
    return kNoView;
}
