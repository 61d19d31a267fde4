#pragma once
// The registry through which handlers reach the main window's parts: 28
// window slots and the Edit menu. Each part registers itself when it is
// created; a part that was never built (a test that builds only the pane it
// checks) simply reads as null, so every caller asks and copes with absence.
//
// The registry only points at windows; the toolkit owns them. The main frame
// takes its parts out when it is destroyed, so a frame built later in the same
// process never meets a pointer to a window that is gone.

#include <wx/window.h>

class wxMenu;

enum RegistrySlot {
    kMainFrameSlot = 0,
    kToolBarSlot,
    kTitleBarSlot,
    kLeftPaneSlot,
    kDeviceSelectorSlot,
    kRefreshButtonSlot,
    kNavigationTreeSlot,
    kRightPaneSlot,
    kNoDeviceViewSlot,
    kDeviceInfoViewSlot,
    kDeviceContentViewSlot,
    kMediaSplitterSlot,
    kFilterPanelSlot,
    kGenreListSlot,
    kArtistListSlot,
    kAlbumListSlot,
    kMediaListSlot,
    kCameraRollListSlot,
    kCameraRollIconViewSlot,
    kPhotoListSlot,
    kPhotoIconViewSlot,
    kContactListSlot,
    kMessageListSlot,
    kMessageWindowSlot,
    kNoteListSlot,
    kBookmarkListSlot,
    kStatusBarSlot,
    kUnusedSlot,  // the 28th slot; nothing is ever put there
    kRegistrySlotCount
};

void RegisterWindow(int slot, wxWindow* window);
wxWindow* GetRegisteredWindow(int slot);

void RegisterEditMenu(wxMenu* menu);
wxMenu* GetRegisteredEditMenu();

// Forgets the top-level window and every registered window inside it (called
// while they still exist). Windows of other top-level windows stay.
void UnregisterWindowsOf(wxWindow* topLevel);

// The registered window of a slot as the class its creator registered, or
// null when the slot is empty or holds something else.
template <class Window>
Window* FindRegistered(int slot)
{
    return dynamic_cast<Window*>(GetRegisteredWindow(slot));
}
