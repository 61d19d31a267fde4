#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/menu.h>

#include "common/image_fixtures.h"
#include "support/gui_test.h"
#include "window/base/sk_menu_button.h"

namespace {

int LabelWidthAtTenPoints(const wxString& label)
{
    wxMemoryDC dc;
    dc.SetFont(SkMenuButton::TitleFont());
    return dc.GetTextExtent(label).x;
}

} // namespace

TEST(SkMenuButton, IsSixteenPixelsWiderThanItsLabelAndAsHighAsTheBar)
{
    TestFrame frame;
    const wxBitmap bar(SolidImage(8, 16, *wxBLUE));
    for (const char* label : {"File", "Advanced", "Hilfe", ""}) {
        SCOPED_TRACE(label);
        auto* button = new SkMenuButton(new wxMenu, label, bar, frame.Parent(), wxID_ANY, *wxWHITE, *wxCYAN);
        EXPECT_EQ(button->GetSize(), wxSize(LabelWidthAtTenPoints(label) + 16, 16));
        EXPECT_EQ(button->GetBestSize(), button->GetSize());
    }
}

TEST(SkMenuButton, ClicksOnPressAndFollowsThePointerOnlyWhileTracking)
{
    TestFrame frame;
    const wxBitmap bar(SolidImage(8, 16, *wxBLUE));
    auto* button = new SkMenuButton(new wxMenu, "Edit", bar, frame.Parent(), wxID_HIGHEST + 3, *wxWHITE, *wxCYAN);
    ClickCounter clicks(button);

    SendMouse(button, wxEVT_LEFT_DOWN);
    EXPECT_EQ(clicks.Count(), 1);  // at once, not on release
    SendMouse(button, wxEVT_LEFT_UP);
    EXPECT_EQ(clicks.Count(), 1);

    SendMouse(button, wxEVT_ENTER_WINDOW);
    EXPECT_EQ(button->GetState(), SkMenuButton::kActivate);
    SendMouse(button, wxEVT_LEAVE_WINDOW);
    EXPECT_EQ(button->GetState(), SkMenuButton::kNormal);

    // While its menu is open the bar holds the button in its activate look.
    button->SetTracksPointer(false);
    button->SetState(SkMenuButton::kActivate);
    SendMouse(button, wxEVT_LEAVE_WINDOW);
    EXPECT_EQ(button->GetState(), SkMenuButton::kActivate);
}

TEST(SkMenuButton, DrawsTheLabelInTheNormalColourThenTheCurrentColour)
{
    TestFrame frame(wxSize(200, 60));
    const wxBitmap bar(SolidImage(8, 20, wxColour(0, 0, 80)));
    const wxColour normal(255, 255, 0);
    const wxColour current(0, 255, 255);
    auto* button = new SkMenuButton(new wxMenu, "WWW", bar, frame.Parent(), wxID_ANY, normal, current, wxPoint(10, 10));
    ASSERT_TRUE(frame.ShowAndWait());

    // Text is antialiased: look for pixels of the exact colour, and none of the other.
    auto countOf = [&](const wxColour& colour) {
        const wxImage shot = CaptureClientArea(button);
        int count = 0;
        for (int y = 0; y < shot.GetHeight(); ++y)
            for (int x = 0; x < shot.GetWidth(); ++x)
                count += PixelAt(shot, x, y) == colour;
        return count;
    };
    EXPECT_GT(countOf(normal), 0);
    EXPECT_EQ(countOf(current), 0);
    SendMouse(button, wxEVT_ENTER_WINDOW);
    EXPECT_TRUE(WaitFor([&] { return countOf(current) > 0 && countOf(normal) == 0; }));
}
