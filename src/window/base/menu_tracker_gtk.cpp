// GTK has no message-filter hook into a pop-up menu's loop. Instead:
//   - a timer, which the toolkit's loop around the open menu keeps running,
//     reads the pointer's position; when the pointer has moved onto another
//     title the menu is taken down, and PopupMenu returns;
//   - a press, which the open menu receives wherever it happens, is looked at
//     before GTK sees it: a press on a title closes the menu for that title.
//     GTK would otherwise ignore a press on the open title in the first half
//     second after the menu opened (it takes it for the end of the press that
//     opened the menu), which a quick user meets after sliding to a title.
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
    PointerWatch(wxMenu* menu, const MenuSwitchDecider& decide) : menu_(menu), decide_(decide)
    {
        pressHandler_ = g_signal_connect(menu_->m_menu, "button-press-event", G_CALLBACK(OnPress), this);
    }

    ~PointerWatch() override { g_signal_handler_disconnect(menu_->m_menu, pressHandler_); }

    int Answer() const { return answer_; }

    void Notify() override
    {
        answer_ = decide_(wxGetMouseState().GetPosition());
        if (answer_ >= 0)
            Close();
    }

private:
    static gboolean OnPress(GtkWidget*, GdkEventButton* event, gpointer self)
    {
        auto* watch = static_cast<PointerWatch*>(self);
        const int answer = watch->decide_(wxPoint(static_cast<int>(event->x_root), static_cast<int>(event->y_root)));
        if (answer == kMenuPointerElsewhere)
            return FALSE;  // an item, or outside the bar: GTK's own business
        watch->answer_ = answer;
        watch->Close();
        return TRUE;
    }

    void Close()
    {
        Stop();
        gtk_menu_popdown(GTK_MENU(menu_->m_menu));
    }

    wxMenu* menu_;
    const MenuSwitchDecider& decide_;
    gulong pressHandler_ = 0;
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
