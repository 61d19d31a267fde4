#include "window/client/left_pane.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/gauge.h>
#include <wx/imaglist.h>
#include <wx/intl.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/treectrl.h>

#include "app/app_registry.h"
#include "app/trace.h"
#include "common/image_util.h"
#include "device/detection.h"
#include "device/device_table.h"
#include "device/do_detect_device.h"
#include "device/do_load_camera_roll_picture.h"
#include "device/do_load_photo_picture.h"
#include "device/load_picture_info.h"
#include "device/picture_handshake.h"
#include "device/picture_loader.h"
#include "device/picture_loader_thread.h"
#include "device/sync_objects.h"
#include "device/thread_events.h"
#include "window/client/navigation_tree_ctrl_data.h"
#include "window/client/device_content_view.h"
#include "window/client/device_info_view.h"
#include "window/client/picture_icon_view.h"
#include "window/client/right_pane.h"
#include "window/client/selection_combo_box_data.h"
#include "window/message_box.h"
#include "window/status_bar.h"
#include "window/tool_bar.h"
#include "window/transfer_frame.h"

wxBEGIN_EVENT_TABLE(LeftPane, SkinnedPanel)
    EVT_BUTTON(LeftPane::ID_REFRESH_BUTTON, LeftPane::OnRefresh)
    EVT_THREAD(ID_DETECT_DONE, LeftPane::OnDetectDone)
    EVT_COMBOBOX(LeftPane::ID_DEVICE_SELECTOR, LeftPane::OnDeviceSelected)
    EVT_TREE_SEL_CHANGED(LeftPane::ID_NAVIGATION_TREE, LeftPane::OnNavigationTreeCtrlChanged)
    EVT_THREAD(ID_CAMERA_ROLL_NEXT, LeftPane::OnCameraRollNext)
    EVT_THREAD(ID_CAMERA_ROLL_LOADED, LeftPane::OnCameraRollLoaded)
    EVT_THREAD(ID_PHOTO_NEXT, LeftPane::OnPhotoNext)
    EVT_THREAD(ID_PHOTO_LOADED, LeftPane::OnPhotoLoaded)
wxEND_EVENT_TABLE()

namespace {

// Longer than any single copy and decode takes.
constexpr int kLoaderEndWaitMs = 5000;

} // namespace

LeftPane::LeftPane(wxWindow* parent, wxBitmap* background, const wxPoint& position, const wxSize& size)
{
    if (!CreatePanel(parent, wxID_ANY, position, size, wxTAB_TRAVERSAL | wxBORDER_NONE, background))
        return;

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    deviceSelector_ = new wxComboBox(this, ID_DEVICE_SELECTOR, wxString(), wxDefaultPosition, wxDefaultSize, 0,
                                     nullptr, wxCB_READONLY);
    row->Add(deviceSelector_, 1, wxEXPAND | wxLEFT, 2);
    refreshButton_ = new wxButton(this, ID_REFRESH_BUTTON, wxString());
    row->Add(refreshButton_, 0, wxEXPAND | wxLEFT, 5);
    sizer->Add(row, 0, wxEXPAND | wxTOP | wxBOTTOM, 10);

    navigationTree_ = new wxTreeCtrl(this, ID_NAVIGATION_TREE, wxDefaultPosition, wxDefaultSize,
                                     wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_SINGLE);
    sizer->Add(navigationTree_, 1, wxEXPAND | wxLEFT, 2);
    sizer->AddSpacer(5);
    SetSizer(sizer);

    RegisterWindow(kDeviceSelectorSlot, deviceSelector_);
    RegisterWindow(kRefreshButtonSlot, refreshButton_);
    RegisterWindow(kNavigationTreeSlot, navigationTree_);

    BuildImageList();
    UpdateTexts();
    SetDetectDoneReceiver(this);
    SetPictureLoaderReceiver(this);
}

LeftPane::~LeftPane()
{
    if (GetDetectDoneReceiver() == this)
        SetDetectDoneReceiver(nullptr);
    // Running loaders end; one waiting for an answer that dies with this pane
    // is woken. They are awaited (they need nothing from this thread any
    // more), so none is still copying or decoding when the program ends
    // through its normal exit.
    if (refreshButton_ != nullptr) {
        SetPictureLoaderReceiver(nullptr);
        WaitForPictureLoaders(kLoaderEndWaitMs);
    }
}

void LeftPane::BuildImageList()
{
    auto* images = new wxImageList(16, 16, true, kNavigationIconCount);
    for (int i = 0; i < kNavigationIconCount; ++i) {
        wxBitmap icon = GetThemeBitmap(wxString("image/client/navigation/") + NavigationIconFile(i));
        // A missing picture keeps its place, so the indices of the others hold.
        if (!icon.IsOk() || icon.GetWidth() != 16 || icon.GetHeight() != 16)
            icon = TransparentBitmap(wxSize(16, 16));
        images->Add(icon);
    }
    navigationTree_->AssignImageList(images);
}

int LeftPane::GetFittingWidth() const
{
    if (refreshButton_ == nullptr)
        return 0;
    const int nameWidth = deviceSelector_->GetTextExtent(wxString('n', 14)).x;
    return 2 + deviceSelector_->GetSizeFromTextSize(nameWidth).x + 5 + refreshButton_->GetBestSize().x;
}

wxTreeItemId LeftPane::GetCategoryNode(int index) const
{
    return index >= 0 && index < kCategoryCount ? categoryNodes_[index] : wxTreeItemId();
}

void LeftPane::UpdateTexts()
{
    if (refreshButton_ == nullptr)
        return;
    refreshButton_->SetLabel(_("Refresh"));
    UpdateCounts();
    Layout();
}

void LeftPane::UpdateCounts()
{
    for (const wxTreeItemId& node : categoryNodes_) {
        if (!node.IsOk())
            continue;
        const auto* data = static_cast<const NavigationTreeCtrlData*>(navigationTree_->GetItemData(node));
        if (data != nullptr)
            navigationTree_->SetItemText(node, CategoryLabel(data->kind, data->count));
    }
}

void LeftPane::EnableToolBar(bool enable)
{
    ToolBar* toolBar = FindRegistered<ToolBar>(kToolBarSlot);
    if (toolBar == nullptr)
        return;
    if (enable)
        toolBar->EnableButtons();
    else
        toolBar->DisableButtons();
    toolBar->EnableSearchBox(enable);
    toolBar->EnableCommands(enable);
}

void LeftPane::ClearTree()
{
    navigationTree_->DeleteAllItems();
    for (wxTreeItemId& node : categoryNodes_)
        node = wxTreeItemId();
}

void LeftPane::OnRefresh(wxCommandEvent&)
{
    DetectDevices();
}

void LeftPane::DetectDevices()
{
    if (refreshButton_ == nullptr)
        return;
    refreshButton_->Disable();
    EnableToolBar(false);
    if (RightPane* rightPane = FindRegistered<RightPane>(kRightPaneSlot))
        rightPane->ShowView(0);
    StatusBar* statusBar = FindRegistered<StatusBar>(kStatusBarSlot);
    if (statusBar != nullptr) {
        statusBar->GetGauge()->Show();
        statusBar->SetStatusText(_("Detecting ..."));
    }

    // The detection frees the lists the entries and nodes point into.
    ClearTree();
    if (!deviceSelector_->IsListEmpty())
        deviceSelector_->Clear();

    auto* thread = new DoDetectDevice(statusBar != nullptr ? statusBar->GetEventHandler() : nullptr);
    if (thread->Run() == wxTHREAD_NO_ERROR)
        return;
    // A detached thread that never started is not deleted by the toolkit.
    delete thread;
    refreshButton_->Enable();
    EnableToolBar(true);
    if (statusBar != nullptr)
        statusBar->SetStatusText("error...");
}

void LeftPane::OnDetectDone(wxThreadEvent& event)
{
    if (!event.GetString().empty())
        ShowMessageBox(event.GetString(), _("Warn!"), wxOK | wxCENTRE, this);

    {
        wxMutexLocker lock(deviceTable.deviceTableMutex);
        for (int i = 0; i < deviceTable.deviceCount && i < DeviceTable::kSlotCount; ++i) {
            const DeviceSlot& slot = deviceTable.slots[i];
            if (slot.inUse)
                deviceSelector_->Append(slot.deviceName, new SelectionComboBoxData(slot, i));
        }
    }

    if (StatusBar* statusBar = FindRegistered<StatusBar>(kStatusBarSlot)) {
        statusBar->GetGauge()->SetValue(0);
        statusBar->GetGauge()->Hide();
        statusBar->SetStatusText(wxString());
    }

    if (!deviceSelector_->IsListEmpty()) {
        deviceSelector_->SetSelection(0);
        wxCommandEvent selected(wxEVT_COMBOBOX, ID_DEVICE_SELECTOR);
        selected.SetEventObject(deviceSelector_);
        selected.SetInt(0);
        GetEventHandler()->ProcessEvent(selected);
    }

    refreshButton_->Enable();
    EnableToolBar(true);
}

void LeftPane::OnDeviceSelected(wxCommandEvent& event)
{
    RaiseLoaderGenerations();
    const int selection = event.GetSelection();
    if (selection < 0 || selection >= static_cast<int>(deviceSelector_->GetCount()))
        return;
    auto* entry = static_cast<SelectionComboBoxData*>(deviceSelector_->GetClientObject(selection));
    if (entry == nullptr)
        return;
    {
        wxMutexLocker lock(deviceTable.deviceTableMutex);
        deviceTable.currentIndex = entry->slotIndex;
    }

    ClearTree();
    // The contacts node points at the entry's own vector, which lives as long
    // as the entry.
    const NavigationNode device = BuildDeviceNode(entry->slot);
    const wxTreeItemId root = navigationTree_->AddRoot(
        device.label, device.icon, device.icon, new NavigationTreeCtrlData(device.kind, device.count, device.content));
    AddChildren(root, device);
    RefillPictureViews(kNodeCameraRoll, entry->slot.cameraRoll);
    RefillPictureViews(kNodePhotos, entry->slot.photos);

    navigationTree_->ExpandAll();
    // The tree makes a new root its current item without telling anyone, so
    // it is let go first: selecting it must reach OnNavigationTreeCtrlChanged.
    navigationTree_->Unselect();
    navigationTree_->SelectItem(root);
    UpdateCounts();
}

void LeftPane::AddChildren(const wxTreeItemId& parent, const NavigationNode& node)
{
    for (const NavigationNode& child : node.children) {
        const wxTreeItemId id = navigationTree_->AppendItem(
            parent, child.label, child.icon, child.icon, new NavigationTreeCtrlData(child.kind, child.count, child.content));
        const int category = CategoryIndex(child.kind);
        if (category >= 0)
            categoryNodes_[category] = id;
        AddChildren(id, child);
    }
}

void LeftPane::OnNavigationTreeCtrlChanged(wxTreeEvent& event)
{
    TraceLine("Entry LeftPane::OnNavigationTreeCtrlChanged()");
    const wxTreeItemId item = event.GetItem();
    const auto* data =
        item.IsOk() ? static_cast<const NavigationTreeCtrlData*>(navigationTree_->GetItemData(item)) : nullptr;
    RightPane* rightPane = FindRegistered<RightPane>(kRightPaneSlot);
    ToolBar* toolBar = FindRegistered<ToolBar>(kToolBarSlot);

    if (data != nullptr) {
        const int view = ViewForKind(data->kind);
        switch (data->kind) {
        case kNodeDevice:
            if (DeviceInfoView* info = FindRegistered<DeviceInfoView>(kDeviceInfoViewSlot))
                info->ShowDeviceInfo(static_cast<plist_t>(data->content));
            // Its values may need a wider window than the last device's.
            if (TransferFrame* frame = FindRegistered<TransferFrame>(kMainFrameSlot))
                frame->FitToTexts();
            break;
        case kNodeCameraRoll:
            // Nothing is reloaded: the icon view was filled with the tree.
            if (toolBar != nullptr)
                toolBar->ShowSelectedSizeSummary(FindRegistered<wxListView>(kCameraRollIconViewSlot));
            break;
        case kNodePhotos:
            if (toolBar != nullptr)
                toolBar->ShowSelectedSizeSummary(FindRegistered<wxListView>(kPhotoIconViewSlot));
            break;
        default:
            // Media kinds (1 to 11) and records (14 to 17); the messages
            // loader also shows the first conversation.
            if (DeviceContentView* content = FindRegistered<DeviceContentView>(kDeviceContentViewSlot))
                content->LoadNode(data->kind, data->content);
            break;
        }
        if (view >= 0 && rightPane != nullptr)
            rightPane->ShowView(view);
    }
    TraceLine("Leave LeftPane::OnNavigationTreeCtrlChanged()");
}

void LeftPane::RefillPictureViews(int kind, plist_t content)
{
    const bool cameraRoll = kind == kNodeCameraRoll;
    int imageCount = 0;
    if (DeviceContentView* view = FindRegistered<DeviceContentView>(kDeviceContentViewSlot)) {
        view->LoadPictureRows(kind, content);
        view->LoadPictureIcons(kind, content);
        PictureIconView* icons = IconView(kind);
        if (wxImageList* images = icons != nullptr ? icons->GetImageList(wxIMAGE_LIST_NORMAL) : nullptr)
            imageCount = images->GetImageCount();
    }
    TraceLine(wxString::Format(cameraRoll ? "......camera roll image list count: %d" : "......photo image list count: %d",
                               imageCount));

    // The generation was raised when the device was chosen, so the loader of
    // the previous device is already overtaken.
    PictureLoaderThread* loader = nullptr;
    if (cameraRoll)
        loader = new DoLoadCameraRollPicture(CameraRollLoaderKind().CurrentGeneration());
    else
        loader = new DoLoadPhotoPicture(PhotoLoaderKind().CurrentGeneration());
    // A detached thread that never started is not deleted by the toolkit.
    if (loader->Run() != wxTHREAD_NO_ERROR)
        delete loader;
}

PictureIconView* LeftPane::IconView(int iconKind) const
{
    return FindRegistered<PictureIconView>(iconKind == kNodeCameraRoll ? kCameraRollIconViewSlot : kPhotoIconViewSlot);
}

void LeftPane::OnCameraRollNext(wxThreadEvent& event)
{
    AnswerNext(kNodeCameraRoll, event);
}

void LeftPane::OnPhotoNext(wxThreadEvent& event)
{
    AnswerNext(kNodePhotos, event);
}

void LeftPane::OnCameraRollLoaded(wxThreadEvent& event)
{
    AcceptLoaded(kNodeCameraRoll, event);
}

void LeftPane::OnPhotoLoaded(wxThreadEvent& event)
{
    AcceptLoaded(kNodePhotos, event);
}

void LeftPane::AnswerNext(int iconKind, wxThreadEvent& event)
{
    auto* info = event.GetPayload<LoadPictureInfo*>();
    const PictureLoaderKind& kind = iconKind == kNodeCameraRoll ? CameraRollLoaderKind() : PhotoLoaderKind();
    AnswerPictureRequest(kind, *info, [this, iconKind]() -> PictureAnswer {
        PictureIconView* icons = IconView(iconKind);
        RightPane* rightPane = FindRegistered<RightPane>(kRightPaneSlot);
        DeviceContentView* content = FindRegistered<DeviceContentView>(kDeviceContentViewSlot);
        // Without the views there is nothing to load for, ever.
        if (icons == nullptr || rightPane == nullptr || content == nullptr)
            return {{PictureChoice::kAllLoaded, -1}, wxString()};
        const int iconSubView =
            iconKind == kNodeCameraRoll ? DeviceContentView::kCameraRollIcons : DeviceContentView::kPhotoIcons;
        const bool shown =
            rightPane->GetShownView() == RightPane::kDeviceContent && content->ShownSubView() == iconSubView;
        const PictureChoice choice = icons->LoadOrder().Choose(shown ? icons->FirstVisibleItem() : -1, shown);
        const PictureIconViewData* record = choice.kind == PictureChoice::kItem ? icons->Record(choice.index) : nullptr;
        return {choice, record != nullptr ? record->path : wxString()};
    });
}

void LeftPane::AcceptLoaded(int iconKind, wxThreadEvent& event)
{
    auto* info = event.GetPayload<LoadPictureInfo*>();
    const PictureLoaderKind& kind = iconKind == kNodeCameraRoll ? CameraRollLoaderKind() : PhotoLoaderKind();
    AcceptPictureDelivery(kind, *info, [this, iconKind](const LoadPictureInfo& delivered) {
        if (PictureIconView* icons = IconView(iconKind))
            icons->MarkLoaded(delivered.itemIndex, delivered.bitmapReady ? delivered.thumbnail.get() : nullptr);
    });
}
