// GTK has no message-filter hook into a pop-up menu's loop. Instead a timer,
// which the toolkit's loop around the open menu keeps running, reads the
// pointer's position; when the pointer has moved onto another title the menu
// is taken down, and PopupMenu returns.
#include "window/base/menu_tracker.h"

#include <gtk/gtk.h>
#include <wx/menu.h>
#include <wx/timer.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "window/base/menu_switch.h"

namespace {

// Often enough that a slide along the bar feels immediate.
constexpr int kPointerPollMs = 20;

class PointerWatch : public wxTimer {
public:
    PointerWatch(wxMenu* menu, const MenuSwitchDecider& decide) : menu_(menu), decide_(decide) {}

    int Answer() const { return answer_; }

    void Notify() override
    {
        answer_ = decide_(wxGetMouseState().GetPosition());
        if (answer_ >= 0) {
            Stop();
            gtk_menu_popdown(GTK_MENU(menu_->m_menu));
        }
    }

private:
    wxMenu* menu_;
    const MenuSwitchDecider& decide_;
    int answer_ = kMenuPointerElsewhere;
};

} // namespace

int PopupMenuWatchingPointer(wxWindow* owner, wxMenu* menu, const wxPoint& position,
                             const MenuSwitchDecider& decide)
{
    PointerWatch watch(menu, decide);
    watch.Start(kPointerPollMs);
    owner->PopupMenu(menu, position);
    watch.Stop();
    return watch.Answer();
}

bool MenuDismissClickReachesTitle()
{
    return false;
}
