#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <gtk/gtk.h>
#include <wx/menu.h>
#include <wx/uiaction.h>

#include "chrome_window_test.h"
#include "common/image_fixtures.h"
#include "support/gui_test.h"
#include "support/pointer_script.h"
#include "window/base/sk_menu_bar.h"
#include "window/base/sk_menu_button.h"

namespace {

// Where the menu's pop-up window sits on the screen.
wxPoint MenuOrigin(wxMenu* menu)
{
    GdkWindow* window = gtk_widget_get_window(gtk_widget_get_toplevel(menu->m_menu));
    int x = 0;
    int y = 0;
    if (window != nullptr)
        gdk_window_get_origin(window, &x, &y);
    return wxPoint(x, y);
}

// The bottom-left corner of a title, one pixel further down.
wxPoint BelowTitle(wxWindow* title)
{
    const wxRect rect = title->GetScreenRect();
    return wxPoint(rect.x, rect.y + rect.height + 1);
}

class SKMenuBarTest : public ChromeWindowTest {
protected:
    void SetUp() override
    {
        ChromeWindowTest::SetUp();
        bar = window->MenuBar();
        file = bar->FindButton(ChromeDemoWindow::kFileId);
        edit = bar->FindButton(ChromeDemoWindow::kEditId);
        ASSERT_TRUE(file && edit);
        window->Bind(wxEVT_MENU, [this](wxCommandEvent& event) {
            commands.push_back(event.GetId());
            // A command may show a modal dialog: its title is back to normal by then.
            titleLitAtCommand = titleLitAtCommand || bar->GetOpenMenuId() != wxID_NONE ||
                                file->GetState() != SkMenuButton::kNormal ||
                                edit->GetState() != SkMenuButton::kNormal;
        });
    }

    bool OnlyOpen(SkMenuButton* title)
    {
        return IsOnScreen(title->GetMenu()) && !IsOnScreen(Other(title)->GetMenu()) &&
               bar->GetOpenMenuId() == title->GetId() && title->GetState() == SkMenuButton::kActivate &&
               Other(title)->GetState() == SkMenuButton::kNormal;
    }
    bool NoneOpen()
    {
        return !IsOnScreen(file->GetMenu()) && !IsOnScreen(edit->GetMenu()) && bar->GetOpenMenuId() == wxID_NONE;
    }
    SkMenuButton* Other(SkMenuButton* title) { return title == file ? edit : file; }
    void ClickOn(SkMenuButton* title)
    {
        simulator.MouseMove(ScreenCentre(title));
        simulator.MouseClick();
    }

    SKMenuBar* bar = nullptr;
    SkMenuButton* file = nullptr;
    SkMenuButton* edit = nullptr;
    std::vector<int> commands;
    bool titleLitAtCommand = false;
    wxUIActionSimulator simulator;
};

} // namespace

TEST(SKMenuBarLayout, TitlesSitSideBySideAndClearingStartsAgainAtTheLeft)
{
    TestFrame frame(wxSize(300, 60));
    auto* bar = new SKMenuBar(new wxBitmap(SolidImage(8, 16, *wxBLUE)), frame.Parent(), wxPoint(20, 13));
    bar->AddMenu(235, new wxMenu, "File", *wxWHITE, *wxCYAN);
    bar->AddMenu(236, new wxMenu, "Edit", *wxWHITE, *wxCYAN);
    ASSERT_EQ(bar->GetButtons().size(), 2u);
    SkMenuButton* file = bar->GetButtons()[0];
    SkMenuButton* edit = bar->GetButtons()[1];
    EXPECT_EQ(file->GetPosition(), wxPoint(0, 0));
    EXPECT_EQ(edit->GetPosition(), wxPoint(file->GetSize().x, 0));
    EXPECT_EQ(bar->GetSize(), wxSize(file->GetSize().x + edit->GetSize().x, 16));
    EXPECT_EQ(bar->FindButton(236), edit);

    bar->ClearMenus();
    EXPECT_TRUE(bar->GetButtons().empty());
    EXPECT_EQ(bar->FindButton(235), nullptr);
    bar->AddMenu(239, new wxMenu, "Help", *wxWHITE, *wxCYAN);
    EXPECT_EQ(bar->GetButtons()[0]->GetPosition(), wxPoint(0, 0));
}

// The pointer really moves (XTest): press on File, slide onto Edit and back
// twice, then press the open title, which closes its menu for good. Each menu
// opens below its own title.
TEST_F(SKMenuBarTest, SlidingOntoAnotherTitleSwitchesMenusAndPressingTheOpenTitleClosesIt)
{
    wxPoint fileOrigin;
    wxPoint editOrigin;
    PointerScript script(
        {
            {"File opens", [] { return true; }, [&] { ClickOn(file); }},
            {"File open", [&] { return OnlyOpen(file); }, [&] { simulator.MouseMove(ScreenCentre(edit)); }},
            {"Edit open, File closed", [&] { return OnlyOpen(edit); },
             [&] {
                 editOrigin = MenuOrigin(edit->GetMenu());
                 simulator.MouseMove(ScreenCentre(file));
             }},
            {"File open again, Edit closed", [&] { return OnlyOpen(file); },
             [&] { simulator.MouseMove(ScreenCentre(edit)); }},
            {"Edit open again, File closed", [&] { return OnlyOpen(edit); },
             [&] { simulator.MouseMove(ScreenCentre(file)); }},
            {"File open a third time", [&] { return OnlyOpen(file); },
             [&] {
                 fileOrigin = MenuOrigin(file->GetMenu());
                 ClickOn(file);
             }},
            {"all closed", [&] { return NoneOpen(); }, nullptr},
        },
        {file->GetMenu(), edit->GetMenu()});
    EXPECT_TRUE(script.Run()) << "stuck at: " << script.StuckAt();
    EXPECT_TRUE(NoneOpen());
    EXPECT_EQ(fileOrigin, BelowTitle(file));
    EXPECT_EQ(editOrigin, BelowTitle(edit));
    // The titles follow the pointer again (File, under it, shows its current look).
    EXPECT_TRUE(file->TracksPointer());
    EXPECT_TRUE(edit->TracksPointer());
    EXPECT_EQ(edit->GetState(), SkMenuButton::kNormal);
    EXPECT_TRUE(commands.empty());
}

// After the open title closed its menu, and after an item was chosen, the
// next press opens a menu again (nothing is left to be swallowed).
TEST_F(SKMenuBarTest, ChoosingAnItemSendsItsCommandAndLeavesTheBarReady)
{
    PointerScript script(
        {
            {"Edit opens", [] { return true; }, [&] { ClickOn(edit); }},
            {"Edit open", [&] { return OnlyOpen(edit); }, [&] { ClickOn(edit); }},
            {"Edit closed by its title", [&] { return NoneOpen(); }, [&] { ClickOn(edit); }},
            {"Edit open again", [&] { return OnlyOpen(edit); },
             [&] {
                 simulator.Char(WXK_DOWN);
                 simulator.Char(WXK_RETURN);
             }},
            {"Copy chosen", [&] { return NoneOpen() && commands.size() == 1; }, [&] { ClickOn(file); }},
            {"File open after the command", [&] { return OnlyOpen(file); },
             [&] { simulator.MouseMove(ScreenCentre(window->Client())); simulator.MouseClick(); }},
            {"closed by a click elsewhere", [&] { return NoneOpen(); }, nullptr},
        },
        {file->GetMenu(), edit->GetMenu()});
    EXPECT_TRUE(script.Run()) << "stuck at: " << script.StuckAt();
    EXPECT_EQ(commands, std::vector<int>{ChromeDemoWindow::kCopyId});
    EXPECT_FALSE(titleLitAtCommand);
}
