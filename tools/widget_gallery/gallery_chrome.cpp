#include "gallery_chrome.h"

#include <cstdio>
#include <functional>

#include <gtk/gtk.h>
#include <wx/menu.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "chrome_demo_window.h"
#include "gui_probe/gui_probe.h"
#include "window/base/sk_menu_bar.h"
#include "window/base/sk_menu_button.h"

namespace {

bool Save(wxWindow* window, const wxString& path)
{
    const wxImage shot = CaptureClientArea(window);
    const bool ok = shot.IsOk() && shot.SaveFile(path, wxBITMAP_TYPE_PNG);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", path.utf8_str().data());
    return ok;
}

// A pop-up menu blocks the code that opened it; this timer, which the menu's
// loop keeps running, waits for each menu in turn to be on screen, lets it
// draw, and saves the window. After the last one it takes the menu down.
class MenuShots : public wxTimer {
public:
    struct Shot {
        SkMenuButton* title;
        wxString path;
        std::function<void()> next;  // what to do after the shot (null: close the menu)
    };

    explicit MenuShots(wxWindow* window, std::vector<Shot> shots) : window_(window), shots_(std::move(shots)) {}

    int Failures() const { return failures_; }
    bool Done() const { return next_ == shots_.size(); }

    void Notify() override
    {
        if (Done())
            return;
        Shot& shot = shots_[next_];
        GtkWidget* menu = shot.title->GetMenu()->m_menu;
        if (!gtk_widget_get_mapped(menu) || ++ticksShown_ < 5)  // a few ticks to draw
            return;
        ticksShown_ = 0;
        ++next_;
        failures_ += Save(window_, shot.path) ? 0 : 1;
        if (shot.next)
            shot.next();
        else
            gtk_menu_popdown(GTK_MENU(menu));
    }

private:
    wxWindow* window_;
    std::vector<Shot> shots_;
    size_t next_ = 0;
    int ticksShown_ = 0;
    int failures_ = 0;
};

} // namespace

int ShowChromeWindow(const wxString& folder)
{
    auto* window = new ChromeDemoWindow("Corvane Handover Free", wxPoint(40, 40));
    window->SetSize(wxSize(520, 300));
    window->Show();
    int failures = WaitForShown(window) ? 0 : 1;
    PumpPendingEvents();
    failures += Save(window, folder + "/chrome.png") ? 0 : 1;

    SKMenuBar* bar = window->MenuBar();
    SkMenuButton* file = bar->FindButton(ChromeDemoWindow::kFileId);
    SkMenuButton* edit = bar->FindButton(ChromeDemoWindow::kEditId);
    wxUIActionSimulator pointer;
    MenuShots shots(window, {
                                {file, folder + "/chrome_menu_file.png", [&] { pointer.MouseMove(ScreenCentre(edit)); }},
                                {edit, folder + "/chrome_menu_edit.png", nullptr},
                            });
    shots.Start(20);
    pointer.MouseMove(ScreenCentre(file));
    pointer.MouseClick();
    if (!WaitFor([&] { return shots.Done() && bar->GetOpenMenuId() == wxID_NONE; })) {
        std::printf("FAILED the menus did not open and close\n");
        ++failures;
    }
    shots.Stop();
    failures += shots.Failures();

    window->Maximize();
    // The layout follows once the X server has resized the window.
    const wxSize area = window->GetSize();
    if (!WaitFor([&] { return window->Client()->GetRect().GetRight() + 1 + 5 == area.x; })) {
        std::printf("FAILED the maximized window was not laid out\n");
        ++failures;
    }
    WaitForShown(window);
    failures += Save(window, folder + "/chrome_maximized.png") ? 0 : 1;
    window->Destroy();
    PumpPendingEvents();
    return failures;
}
