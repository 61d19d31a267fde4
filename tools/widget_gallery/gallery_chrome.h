#pragma once
// The gallery's chrome section: a whole window in the skinned chrome (border
// pieces, title bar, menu bar) at rest, with a menu open, after sliding to the
// next title, and maximized.

#include <wx/string.h>

// Saves chrome.png, chrome_menu_file.png, chrome_menu_edit.png and
// chrome_maximized.png into `folder`; returns how many could not be written.
int ShowChromeWindow(const wxString& folder);
