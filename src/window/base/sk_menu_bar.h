#pragma once
// The skinned menu bar: a row of menu titles (SkMenuButton) on the tool bar.
// A press on a title opens its menu as a pop-up below the title; while a menu
// is open, sliding the pointer onto another title switches to that title's
// menu, as a native menu bar does. Pressing the open title closes its menu
// without opening it again; choosing an item or clicking elsewhere closes the
// menu and leaves the bar ready for the next press.
//
// Use:
//     auto* bar = new SKMenuBar(LoadThemeBitmap("image/tool/menu_bar_bg.png"), toolBar, wxPoint(0, 0));
//     bar->AddMenu(235, fileMenu, _("File"), normalColour, currentColour);  // the bar sizes itself
//     ...
//     bar->ClearMenus();  // before building the menus again (a language change)
//
// Menu commands are sent to the bar and travel up to its parent, from the
// event queue once the menu has closed and its title has gone back to normal
// (so a command that shows a modal dialog does not keep its title lit). The
// bar owns its background bitmap; each title owns its menu. ClearMenus must not
// be called while a menu of the bar is open (from one of its commands, queue
// the rebuild instead).

#include <memory>
#include <vector>

#include <wx/bitmap.h>
#include <wx/panel.h>

#include "window/base/menu_switch.h"

class SkMenuButton;
class wxMenu;

class SKMenuBar : public wxPanel {
public:
    // Takes ownership of the background.
    SKMenuBar(wxBitmap* background, wxWindow* parent, const wxPoint& position = wxDefaultPosition);
    ~SKMenuBar() override;

    // Appends a title for `menu` (owned by the title from now on) at the end
    // of the row; the bar grows to hold it.
    void AddMenu(int id, wxMenu* menu, const wxString& label, const wxColour& normalColour,
                 const wxColour& currentColour);
    // Removes every title (and its menu); the next AddMenu starts at the left.
    void ClearMenus();

    const std::vector<SkMenuButton*>& GetButtons() const { return buttons_; }
    SkMenuButton* FindButton(int id) const;
    // The id of the title whose menu is open, or wxID_NONE.
    int GetOpenMenuId() const { return openId_; }
    // The titles with their screen rectangles, in bar order.
    std::vector<MenuTitleSpot> TitleSpots() const;

private:
    void OnPaint(wxPaintEvent& event);
    void OnTitleClick(wxCommandEvent& event);
    void RunMenuLoop(int id);
    // Holds a command chosen from an open menu until the menu loop has ended.
    void OnMenuCommand(wxCommandEvent& event);

    std::vector<SkMenuButton*> buttons_;
    std::unique_ptr<wxBitmap> background_;
    int swallowNextClick_ = 0;
    int nextX_ = 0;
    int nextY_ = 0;
    int openId_ = wxID_NONE;
    std::vector<std::unique_ptr<wxEvent>> heldCommands_;

    wxDECLARE_EVENT_TABLE();
};
