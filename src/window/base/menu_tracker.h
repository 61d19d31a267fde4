#pragma once
// Opening a menu of the skinned menu bar and watching the pointer while it is
// open, so that sliding onto another title switches menus as a native menu
// bar does. The watching is the platform's own business (menu_tracker_gtk.cpp
// polls the pointer from a timer and closes the menu with GTK; a Windows build
// would use a message-filter hook); what the pointer means is decided by the
// caller's function (DecideMenuSwitch).

#include <functional>

#include <wx/gdicmn.h>

class wxMenu;
class wxWindow;

// Asked with the pointer's screen position while the menu is open; answers a
// title id to switch to (the menu is closed at once) or a negative value
// (kMenuPointerElsewhere, kMenuPointerOnOpenTitle) to keep it open.
using MenuSwitchDecider = std::function<int(const wxPoint& screenPointer)>;

// Pops `menu` up from `owner` at `position` (owner's client coordinates) and
// returns once it has closed: the id it was closed for, or the last negative
// answer (kMenuPointerElsewhere when the pointer was never looked at).
int PopupMenuWatchingPointer(wxWindow* owner, wxMenu* menu, const wxPoint& position,
                             const MenuSwitchDecider& decide);

// True where the click that closes a menu by pressing on its own title is
// also delivered to that title afterwards (Windows), so the bar must swallow
// it; false where the open menu consumes it (GTK).
bool MenuDismissClickReachesTitle();
