#include "window/client/client.h"

#include <algorithm>

#include "app/app_registry.h"
#include "common/image_util.h"
#include "window/client/device_info_view.h"
#include "window/client/left_pane.h"
#include "window/client/no_device_view.h"
#include "window/client/right_pane.h"

namespace {

constexpr int kLeftPaneWidth = 200;
constexpr int kMinWidth = 800;
constexpr int kMinHeight = 450;
// Room on the right of the getting-started texts, as much as on their left.
constexpr int kPageRightMargin = 40;

} // namespace

Client::Client(wxWindow* parent, const wxPoint& position, const wxSize& size)
    : wxSplitterWindow(parent, wxID_ANY, position, size, wxSP_3D, "splitter")
{
    leftPane_ = new LeftPane(this, LoadThemeBitmap("image/client/client_bg.png"));
    rightPane_ = new RightPane(this, wxDefaultPosition, wxDefaultSize, LoadThemeBitmap("image/client/client_bg.png"));
    SplitVertically(leftPane_, rightPane_, kLeftPaneWidth);
    SetSashGravity(0.2);
    SetMinimumPaneSize(1);
    FitPanes();
    RegisterWindow(kLeftPaneSlot, leftPane_);
    RegisterWindow(kRightPaneSlot, rightPane_);
}

void Client::FitPanes()
{
    // The toolkit's fonts and button padding may need more than 200 pixels to
    // show a device name beside Refresh, and more than 800 in all to show the
    // getting-started texts without wrapping them, or the device summary's
    // captions, values and legend (longer in some languages) without cutting them.
    const int sash = std::max({kLeftPaneWidth, leftPane_->GetFittingWidth(), GetSashPosition()});
    if (sash != GetSashPosition())
        SetSashPosition(sash);
    wxSize page = rightPane_->GetNoDeviceView()->GetBestSize();
    page.IncTo(rightPane_->GetDeviceInfoView()->GetBestSize());
    SetMinSize(wxSize(std::max(kMinWidth, sash + GetSashSize() + page.x + 2 + kPageRightMargin), std::max(kMinHeight, page.y + 5)));
}
