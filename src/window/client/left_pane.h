#pragma once
// The navigation pane on the left of the client area: the device selector,
// the Refresh button and the navigation tree. It starts detections, receives
// the detection thread's completion event, fills the selector from the
// devices found, rebuilds the tree for the device picked and has the right
// pane show the view of the node selected.
//
// The thumbnail loaders' events (205 to 208) arrive here too: the pane
// refills the picture views when a device is chosen, starts their loaders and
// answers them. Owns its background bitmap; the controls are its children. The selector's
// entries and the tree's nodes point into the DeviceTable, so both are
// emptied before every detection starts.

#include <plist/plist.h>
#include <wx/event.h>
#include <wx/treebase.h>

#include "device/navigation_nodes.h"
#include "window/skinned_panel.h"

class PictureIconView;
class wxButton;
class wxComboBox;
class wxThreadEvent;
class wxTreeCtrl;
class wxTreeEvent;

class LeftPane : public SkinnedPanel {
public:
    enum {
        ID_DEVICE_SELECTOR = 201,
        ID_REFRESH_BUTTON = 202,
        ID_NAVIGATION_TREE = 203,
    };

    // Takes ownership of background (may be null). Registers the selector, the
    // button and the tree, and receives the detection's completion event
    // while it exists.
    LeftPane(wxWindow* parent, wxBitmap* background, const wxPoint& position = wxDefaultPosition,
             const wxSize& size = wxDefaultSize);
    ~LeftPane() override;

    // Relabels the Refresh button and the category nodes (language change).
    void UpdateTexts();
    // Relabels the top-level categories: "Music (40)".
    void UpdateCounts();
    // Starts a detection (the Refresh button, and the frame's first idle moment).
    void DetectDevices();

    // The width at which the selector shows a device name of common length
    // beside the Refresh button in the current language.
    int GetFittingWidth() const;

    wxComboBox* GetDeviceSelector() const { return deviceSelector_; }
    wxButton* GetRefreshButton() const { return refreshButton_; }
    wxTreeCtrl* GetNavigationTree() const { return navigationTree_; }
    // The node of category `index` (0 Music ... 14 Safari); invalid when absent.
    wxTreeItemId GetCategoryNode(int index) const;

    // Refills both views of the camera roll (kind 12) or the photos (13) from
    // the picture list and starts the kind's thumbnail loader.
    void RefillPictureViews(int kind, plist_t content);

private:
    void OnRefresh(wxCommandEvent& event);
    void OnDetectDone(wxThreadEvent& event);
    void OnDeviceSelected(wxCommandEvent& event);
    void OnNavigationTreeCtrlChanged(wxTreeEvent& event);
    void OnCameraRollNext(wxThreadEvent& event);
    void OnCameraRollLoaded(wxThreadEvent& event);
    void OnPhotoNext(wxThreadEvent& event);
    void OnPhotoLoaded(wxThreadEvent& event);

    // The shared work of the four handlers; iconKind is kNodeCameraRoll or kNodePhotos.
    void AnswerNext(int iconKind, wxThreadEvent& event);
    void AcceptLoaded(int iconKind, wxThreadEvent& event);
    PictureIconView* IconView(int iconKind) const;

    void BuildImageList();
    void ClearTree();
    void AddChildren(const wxTreeItemId& parent, const NavigationNode& node);
    // The tool bar's buttons, search box and commands, all on or all off.
    void EnableToolBar(bool enable);

    wxComboBox* deviceSelector_ = nullptr;
    wxButton* refreshButton_ = nullptr;
    wxTreeCtrl* navigationTree_ = nullptr;
    wxTreeItemId categoryNodes_[kCategoryCount];

    wxDECLARE_EVENT_TABLE();
};
