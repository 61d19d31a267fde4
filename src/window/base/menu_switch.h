#pragma once
// What the pointer means while a menu of the skinned menu bar is open. The
// platform's menu tracker asks this for every pointer position it sees and
// acts on the answer: another title's id closes the open menu so that the bar
// opens that one; the two negative answers leave the menu open and tell the
// bar, once the menu has closed, where the pointer last was.

#include <vector>

#include <wx/gdicmn.h>

// The pointer was over no title (in the menu, or anywhere else).
constexpr int kMenuPointerElsewhere = -1;
// The pointer was over the title whose menu is open.
constexpr int kMenuPointerOnOpenTitle = -2;

// A title of the bar: its window id and its rectangle on the screen.
struct MenuTitleSpot {
    int id;
    wxRect rect;
};

// The first title (in bar order) under `pointer` decides: the open one gives
// kMenuPointerOnOpenTitle, another one its id; no title gives
// kMenuPointerElsewhere.
int DecideMenuSwitch(const std::vector<MenuTitleSpot>& titles, int openId, const wxPoint& pointer);
