#include <gtest/gtest.h>

#include <wx/settings.h>

#include "app/face_options.h"
#include "chrome_window_test.h"
#include "pointer_drag.h"
#include "support/gui_test.h"
#include "window/base/msw/tw_static_text.h"
#include "window/base/sk_button.h"
#include "window/base/sk_title_bar.h"

namespace {

SKButton* Button(SKTitleBar* bar, int id)
{
    return static_cast<SKButton*>(bar->FindWindow(id));
}

void Click(wxWindow* button)
{
    SendMouse(button, wxEVT_ENTER_WINDOW);
    SendMouse(button, wxEVT_LEFT_DOWN);
    SendMouse(button, wxEVT_LEFT_UP);
}

// A frame that records the requests a window manager would carry out.
class RecordingFrame : public SKResizableFrameBase {
public:
    RecordingFrame() : SKResizableFrameBase("recording", wxPoint(100, 100), wxSize(400, 200)) {}
    void Iconize(bool iconize) override { iconizeRequests += iconize ? 1 : 0; }
    int iconizeRequests = 0;
};

} // namespace

using SKTitleBarButtons = ChromeWindowTest;
using SKTitleBarDrag = ChromeWindowTest;

TEST(SKTitleBarLayout, PlacesIconTextAndButtonsByTheMarginsAndGap)
{
    TestFrame frame(wxSize(420, 60));
    SKTitleBar* bar = SKTitleBar::CreateFromTheme(frame.Parent(), "Title", wxPoint(0, 0), wxSize(400, 24));
    ASSERT_EQ(bar->GetClientSize(), wxSize(400, 24));
    wxWindow* text = bar->GetTitleText();
    const int textHeight = text->GetSize().y;
    EXPECT_GE(textHeight, 16);
    // Theme buttons are 28 x 18, the icon 16 x 16; centred vertically by default.
    EXPECT_EQ(Button(bar, SKTitleBar::kCloseId)->GetPosition(), wxPoint(400 - 5 - 28, 3));
    EXPECT_EQ(Button(bar, SKTitleBar::kMaximizeId)->GetPosition(), wxPoint(400 - 5 - 56, 3));
    EXPECT_EQ(Button(bar, SKTitleBar::kRestoreId)->GetPosition(), wxPoint(400 - 5 - 56, 3));
    EXPECT_EQ(Button(bar, SKTitleBar::kMinimizeId)->GetPosition(), wxPoint(400 - 5 - 84, 3));
    EXPECT_EQ(text->GetPosition(), wxPoint(5 + 16 + 5, (24 - textHeight) / 2));

    // Top margins instead of centring, a gap between buttons, no icon.
    bar->SetCentreVertically(false);
    bar->SetButtonGap(3);
    bar->ShowIcon(false);
    EXPECT_EQ(text->GetPosition(), wxPoint(5, 5));
    EXPECT_EQ(Button(bar, SKTitleBar::kCloseId)->GetPosition(), wxPoint(367, 5));
    EXPECT_EQ(Button(bar, SKTitleBar::kMaximizeId)->GetPosition(), wxPoint(367 - 28 - 3, 5));
    EXPECT_EQ(Button(bar, SKTitleBar::kMinimizeId)->GetPosition(), wxPoint(367 - 56 - 6, 5));
}

TEST(SKTitleBarLayout, BestWidthAddsMarginsIconTextAndButtonsAndLeavesTheHeightOpen)
{
    TestFrame frame(wxSize(420, 60));
    // Created at its default size, so that no minimum size takes part.
    SKTitleBar* bar = SKTitleBar::CreateFromTheme(frame.Parent(), "Title");
    bar->SetTitleFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Bold());
    bar->SetTitleLabel("A longer title after a language change");
    const int textWidth = bar->GetTitleText()->GetSize().x;
    EXPECT_EQ(textWidth, bar->GetTitleText()->GetBestSize().x);
    EXPECT_EQ(bar->GetBestSize(), wxSize(5 + 16 + 5 + textWidth + 3 * 28 + 5, wxDefaultCoord));
    bar->SetButtonGap(2);
    bar->ShowIcon(false);
    EXPECT_EQ(bar->GetBestSize().x, 5 + textWidth + 3 * 28 + 2 * 2 + 5);
    EXPECT_EQ(bar->GetTitleLabel(), "A longer title after a language change");
    EXPECT_EQ(bar->GetTitleText()->GetForegroundColour(), FindFaceColour("/face/titlebar/titletext-colour"));
}

TEST_F(SKTitleBarButtons, MaximizeAndRestoreAlternateAndExactlyOneIsShown)
{
    SKTitleBar* bar = window->TitleBar();
    SKButton* maximize = Button(bar, SKTitleBar::kMaximizeId);
    SKButton* restore = Button(bar, SKTitleBar::kRestoreId);
    EXPECT_TRUE(maximize->IsShown());
    EXPECT_FALSE(restore->IsShown());

    Click(maximize);
    EXPECT_TRUE(window->IsMaximized());
    EXPECT_FALSE(maximize->IsShown());
    EXPECT_TRUE(restore->IsShown());
    // The bar was laid out for the new width: restore sits where maximize did.
    ASSERT_TRUE(WaitFor([&] { return restore->GetPosition().x == bar->GetClientSize().x - 5 - 56; }));
    EXPECT_EQ(restore->GetPosition(), maximize->GetPosition());

    Click(restore);
    EXPECT_FALSE(window->IsMaximized());
    EXPECT_TRUE(maximize->IsShown());
    EXPECT_FALSE(restore->IsShown());
    EXPECT_EQ(window->GetRect(), start);

    // Maximized and restored by its owner: the bar follows.
    window->Maximize();
    EXPECT_TRUE(WaitFor([&] { return restore->IsShown() && !maximize->IsShown(); }));
    window->Maximize(false);
    EXPECT_TRUE(WaitFor([&] { return maximize->IsShown() && !restore->IsShown(); }));
}

TEST(SKTitleBarAttach, CloseAndMinimizeActOnTheFrameOnlyOnceAttached)
{
    auto* frame = new RecordingFrame;
    SKTitleBar* bar = SKTitleBar::CreateFromTheme(frame, "recording", wxPoint(0, 0), wxSize(400, 20));
    int closeRequests = 0;
    frame->Bind(wxEVT_CLOSE_WINDOW, [&](wxCloseEvent& event) {
        ++closeRequests;
        event.Veto();
    });

    Click(Button(bar, SKTitleBar::kCloseId));
    Click(Button(bar, SKTitleBar::kMinimizeId));
    Click(Button(bar, SKTitleBar::kMaximizeId));
    EXPECT_EQ(closeRequests, 0);
    EXPECT_EQ(frame->iconizeRequests, 0);
    EXPECT_FALSE(frame->IsMaximized());

    bar->Attach(frame);
    Click(Button(bar, SKTitleBar::kCloseId));
    Click(Button(bar, SKTitleBar::kMinimizeId));
    EXPECT_EQ(closeRequests, 1);
    EXPECT_EQ(frame->iconizeRequests, 1);
    frame->Destroy();
    PumpPendingEvents();
}


TEST_F(SKTitleBarDrag, DraggingTheBarMovesTheFrameButNeverOffTheScreen)
{
    SKTitleBar* bar = window->TitleBar();
    PointerDrag drag(bar);
    // Between the title text and the buttons.
    const wxRect barRect = bar->GetScreenRect();
    const wxPoint press(barRect.x + barRect.width - 120, barRect.y + barRect.height / 2);
    ASSERT_TRUE(drag.Press(press));
    ASSERT_TRUE(drag.MoveTo(press + wxPoint(40, 30)));
    EXPECT_EQ(window->GetPosition(), start.GetTopLeft() + wxPoint(40, 30));
    // The left edge would go to x = -1: the frame stays where it was.
    ASSERT_TRUE(drag.MoveTo(press + wxPoint(-start.x - 1, 30)));
    EXPECT_EQ(window->GetPosition(), start.GetTopLeft() + wxPoint(40, 30));
    ASSERT_TRUE(drag.MoveTo(press + wxPoint(-start.x, 30)));
    EXPECT_EQ(window->GetPosition(), wxPoint(0, start.y + 30));
    ASSERT_TRUE(drag.Release());
}

TEST_F(SKTitleBarDrag, TheTitleTextIsADragHandleTooButNotWhileMaximized)
{
    wxWindow* text = window->TitleBar()->GetTitleText();
    {
        PointerDrag drag(text);
        const wxPoint press = ScreenCentre(text);
        ASSERT_TRUE(drag.Press(press));
        ASSERT_TRUE(drag.MoveTo(press + wxPoint(-25, 15)));
        ASSERT_TRUE(drag.Release());
        EXPECT_EQ(window->GetPosition(), start.GetTopLeft() + wxPoint(-25, 15));
    }
    window->Maximize();
    const wxPoint maximized = window->GetPosition();
    PointerDrag drag(text);
    const wxPoint press = ScreenCentre(text);
    ASSERT_TRUE(drag.Press(press));
    ASSERT_TRUE(drag.MoveTo(press + wxPoint(30, 30)));
    ASSERT_TRUE(drag.Release());
    EXPECT_EQ(window->GetPosition(), maximized);
}
