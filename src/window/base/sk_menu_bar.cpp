#include "window/base/sk_menu_bar.h"

#include <wx/dcclient.h>
#include <wx/menu.h>

#include "window/base/menu_tracker.h"
#include "window/base/sk_menu_button.h"

wxBEGIN_EVENT_TABLE(SKMenuBar, wxPanel)
    EVT_PAINT(SKMenuBar::OnPaint)
    EVT_MENU(wxID_ANY, SKMenuBar::OnMenuCommand)
wxEND_EVENT_TABLE()

SKMenuBar::SKMenuBar(wxBitmap* background, wxWindow* parent, const wxPoint& position)
    : background_(background)
{
    Create(parent, wxID_ANY, position, wxDefaultSize, wxBORDER_NONE | wxTAB_TRAVERSAL);
}

SKMenuBar::~SKMenuBar() = default;

void SKMenuBar::AddMenu(int id, wxMenu* menu, const wxString& label, const wxColour& normalColour,
                        const wxColour& currentColour)
{
    auto* button = new SkMenuButton(menu, label, background_ ? *background_ : wxBitmap(), this, id,
                                    normalColour, currentColour, wxPoint(nextX_, nextY_));
    nextX_ += button->GetSize().x;
    SetSize(nextX_, button->GetSize().y);
    SetMinSize(GetSize());
    buttons_.push_back(button);
    Bind(wxEVT_BUTTON, &SKMenuBar::OnTitleClick, this, id);
}

void SKMenuBar::ClearMenus()
{
    wxASSERT_MSG(openId_ == wxID_NONE, "SKMenuBar::ClearMenus() while a menu is open");
    nextX_ = 0;
    nextY_ = 0;
    for (SkMenuButton* button : buttons_) {
        Unbind(wxEVT_BUTTON, &SKMenuBar::OnTitleClick, this, button->GetId());
        button->Destroy();
    }
    buttons_.clear();
}

SkMenuButton* SKMenuBar::FindButton(int id) const
{
    for (SkMenuButton* button : buttons_)
        if (button->GetId() == id)
            return button;
    return nullptr;
}

std::vector<MenuTitleSpot> SKMenuBar::TitleSpots() const
{
    std::vector<MenuTitleSpot> spots;
    for (SkMenuButton* button : buttons_)
        if (button->IsShown())
            spots.push_back({button->GetId(), button->GetScreenRect()});
    return spots;
}

void SKMenuBar::OnMenuCommand(wxCommandEvent& event)
{
    if (openId_ == wxID_NONE) {
        event.Skip();
        return;
    }
    heldCommands_.emplace_back(event.Clone());
}

void SKMenuBar::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    if (background_ && background_->IsOk())
        dc.DrawBitmap(*background_, 0, 0, true);
}

void SKMenuBar::OnTitleClick(wxCommandEvent& event)
{
    if (swallowNextClick_ == 0)
        RunMenuLoop(event.GetId());
    swallowNextClick_ ^= 1;
}

// Opens the menus one after the other for as long as the pointer slides onto
// another title; returns when a menu closed for any other reason.
void SKMenuBar::RunMenuLoop(int id)
{
    int next = id;
    while (next >= 0) {
        SkMenuButton* button = FindButton(next);
        if (button == nullptr || button->GetMenu() == nullptr) {
            next = kMenuPointerElsewhere;
            break;
        }
        openId_ = next;
        button->SetTracksPointer(false);
        button->SetState(SkMenuButton::kActivate);
        const wxRect rect = button->GetRect();
        const int openId = openId_;
        next = PopupMenuWatchingPointer(this, button->GetMenu(), wxPoint(rect.x, rect.y + rect.height + 1),
                                        [this, openId](const wxPoint& pointer) {
                                            return DecideMenuSwitch(TitleSpots(), openId, pointer);
                                        });
        if (SkMenuButton* closed = FindButton(openId)) {
            closed->SetTracksPointer(true);
            closed->SetState(SkMenuButton::kNormal);
        }
        openId_ = wxID_NONE;
    }
    // GTK sends a chosen item's command while the pop-up is still on the
    // stack; it is delivered now that every title is back to normal.
    for (std::unique_ptr<wxEvent>& command : heldCommands_)
        QueueEvent(command.release());
    heldCommands_.clear();
    // The click handler toggles swallowNextClick_ after this; toggling here as
    // well leaves the bar ready for the next press, unless the press that
    // closed the menu on its own title is still to arrive at that title.
    if (next == kMenuPointerElsewhere || !MenuDismissClickReachesTitle())
        swallowNextClick_ ^= 1;
}
