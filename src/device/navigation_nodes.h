#pragma once
// What the navigation tree shows for one device, worked out without a window:
// the device node, its categories in their fixed order with their counts, the
// book shelves and playlists below them, the icon of every node and the view
// the right pane shows when a node is selected.
//
// A node only points at its content (a plist, a record list or the contact
// vector of the slot it was built from); the DeviceTable owns all of it, so
// the nodes are valid until the next detection starts.

#include <vector>

#include <plist/plist.h>
#include <wx/string.h>

struct DeviceSlot;

// Node kinds, the navigation tree's data and the loaders' category codes.
enum NavigationKind : int {
    kNodeDevice = 0,
    kNodeMusic = 1,
    kNodeMovies = 2,
    kNodeTvShows = 3,
    kNodePodcasts = 4,
    kNodeAudiobooks = 5,
    kNodeBooks = 6,
    kNodeBookShelf = 7,
    kNodeRingtones = 8,
    kNodePlaylists = 9,
    kNodePlaylist = 10,
    kNodeVoiceMemos = 11,
    kNodeCameraRoll = 12,
    kNodePhotos = 13,
    kNodeContacts = 14,
    kNodeMessages = 15,
    kNodeNotes = 16,
    kNodeBookmarks = 17,
};

// The fifteen top-level categories.
constexpr int kCategoryCount = 15;

// Icons of the tree's image list, in list order: the four device pictures,
// then one per category.
constexpr int kNavigationIconCount = 19;
// File name below "image/client/navigation/" of icon `index`.
const char* NavigationIconFile(int index);

struct NavigationNode {
    int kind = kNodeDevice;
    int icon = 0;
    int count = 0;
    void* content = nullptr;  // shared, never owned (see above)
    wxString label;           // device name, shelf or playlist label; empty for categories
    std::vector<NavigationNode> children;
};

// The device node with its categories and their children for a slot (the
// contacts node points at the slot's own sortedContacts vector, so pass the
// copy that outlives the nodes). A category whose list is null has no node.
NavigationNode BuildDeviceNode(DeviceSlot& slot);

// The icon of the device node by its type text: iPad 0, iPhone 1, iPod 2,
// anything else 3, tested in that order, case-sensitive.
int DeviceIconIndex(const wxString& type);

// The "Type" string of the device information, empty when missing.
wxString DeviceTypeOf(plist_t deviceInfo);

// Position 0 to 14 of a category among the fifteen, -1 for other kinds.
int CategoryIndex(int kind);

// The English category name of a top-level kind (the message id of its
// label), null for other kinds.
const char* CategoryName(int kind);

// "Music (40)": the translated category name and the count.
wxString CategoryLabel(int kind, int count);

// The right pane's view for a selected node of this kind, -1 for none.
int ViewForKind(int kind);
