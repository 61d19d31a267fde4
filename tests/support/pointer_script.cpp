#include "support/pointer_script.h"

#include <gtk/gtk.h>
#include <wx/menu.h>
#include <wx/time.h>

#include "support/gui_test.h"

bool IsOnScreen(wxMenu* menu)
{
    return menu != nullptr && gtk_widget_get_mapped(menu->m_menu);
}

PointerScript::PointerScript(std::vector<Step> steps, std::vector<wxMenu*> menus)
    : steps_(std::move(steps)), menus_(std::move(menus))
{
}

bool PointerScript::Run()
{
    deadline_ = wxGetLocalTimeMillis() + kGuiWaitTimeoutMs;
    Start(10);
    WaitFor([this] { return !IsRunning() && !AnyMenuOnScreen(); }, 3 * kGuiWaitTimeoutMs);
    Stop();
    return next_ == steps_.size();
}

const char* PointerScript::StuckAt() const
{
    return next_ < steps_.size() ? steps_[next_].name : "nowhere";
}

void PointerScript::Notify()
{
    if (next_ == steps_.size()) {
        Stop();
        return;
    }
    if (wxGetLocalTimeMillis() > deadline_) {
        Stop();
        for (wxMenu* menu : menus_)
            if (IsOnScreen(menu))
                gtk_menu_popdown(GTK_MENU(menu->m_menu));
        return;
    }
    Step& step = steps_[next_];
    if (!step.ready())
        return;
    ++next_;
    deadline_ = wxGetLocalTimeMillis() + kGuiWaitTimeoutMs;
    if (step.act)
        step.act();
}

bool PointerScript::AnyMenuOnScreen() const
{
    for (wxMenu* menu : menus_)
        if (IsOnScreen(menu))
            return true;
    return false;
}
