#include <gtest/gtest.h>
#include <wx/custombgwin.h>
#include <wx/panel.h>

#include "common/image_fixtures.h"
#include "common/image_util.h"
#include "support/gui_test.h"
#include "window/base/sk_button.h"

namespace {

using BackgroundPanel = wxCustomBackgroundWindow<wxPanel>;

wxBitmap* Picture(const wxColour& colour)
{
    // 12 x 10 with a transparent 2-pixel frame, so the background shows there.
    wxImage image = SolidImage(12, 10, colour);
    image.InitAlpha();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x)
            if (x < 2 || y < 2 || x >= 10 || y >= 8)
                image.SetAlpha(x, y, 0);
    return new wxBitmap(image);
}

class SKButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        panel = new BackgroundPanel();
        panel->Create(frame.Parent(), wxID_ANY, wxPoint(0, 0), wxSize(200, 100));
        panel->SetBackgroundBitmap(tile);
        button = new SKButton(&tile, Picture(*wxRED), Picture(*wxGREEN), Picture(*wxBLUE), panel,
                              wxID_HIGHEST + 1, wxPoint(13, 7));
    }

    wxBitmap tile{GradientImage(5, 4)};  // outlives the windows that draw it
    TestFrame frame{wxSize(200, 100)};
    BackgroundPanel* panel = nullptr;
    SKButton* button = nullptr;
};

} // namespace

TEST_F(SKButtonTest, TakesTheSizeOfItsNormalPicture)
{
    EXPECT_EQ(button->GetSize(), wxSize(12, 10));
    EXPECT_EQ(button->GetBestSize(), wxSize(12, 10));
}

TEST_F(SKButtonTest, PressAndReleaseInsideClicksOnce)
{
    ClickCounter clicks(button);
    SendMouse(button, wxEVT_ENTER_WINDOW);
    EXPECT_EQ(button->GetState(), SKButton::kCurrent);
    SendMouse(button, wxEVT_LEFT_DOWN);
    EXPECT_EQ(button->GetState(), SKButton::kPressed);
    SendMouse(button, wxEVT_LEFT_UP, wxPoint(5, 5));
    EXPECT_EQ(button->GetState(), SKButton::kCurrent);
    EXPECT_EQ(clicks.Count(), 1);
}

TEST_F(SKButtonTest, PressLeaveAndReleaseOutsideSendsNoClick)
{
    ClickCounter clicks(button);
    SendMouse(button, wxEVT_ENTER_WINDOW);
    SendMouse(button, wxEVT_LEFT_DOWN);
    SendMouse(button, wxEVT_LEAVE_WINDOW, wxPoint(40, 5));
    EXPECT_EQ(button->GetState(), SKButton::kNormal);
    // GTK hands the release to the pressed window even outside it.
    SendMouse(button, wxEVT_LEFT_UP, wxPoint(40, 5));
    EXPECT_EQ(clicks.Count(), 0);
    EXPECT_EQ(button->GetState(), SKButton::kNormal);
}

TEST_F(SKButtonTest, ShowsEachStatesPictureOverTheParentsTiledBackground)
{
    ASSERT_TRUE(frame.ShowAndWait());
    const wxImage tileImage = tile.ConvertToImage();
    // Inside the button at (x, y): the parent's tiling at (13 + x, 7 + y).
    auto backgroundAt = [&](int x, int y) { return PixelAt(tileImage, (13 + x) % 5, (7 + y) % 4); };
    auto shown = [&](int x, int y) { return PixelAt(CaptureClientArea(button), x, y); };

    EXPECT_EQ(shown(5, 5), *wxRED);
    EXPECT_EQ(shown(0, 0), backgroundAt(0, 0));
    EXPECT_EQ(shown(11, 9), backgroundAt(11, 9));

    SendMouse(button, wxEVT_ENTER_WINDOW);
    EXPECT_TRUE(WaitFor([&] { return shown(5, 5) == *wxGREEN; }));
    SendMouse(button, wxEVT_LEFT_DOWN);
    EXPECT_TRUE(WaitFor([&] { return shown(5, 5) == *wxBLUE; }));
    EXPECT_EQ(shown(1, 1), backgroundAt(1, 1));

    // A disabled button shows its normal picture whatever its state.
    button->Enable(false);
    EXPECT_TRUE(WaitFor([&] { return shown(5, 5) == *wxRED; }));
}

TEST(SKButtonAssertions, AMissingNormalPictureIsReported)
{
    TestFrame frame;
    AssertionCatcher catcher;
    new SKButton(nullptr, nullptr, nullptr, nullptr, frame.Parent(), wxID_ANY);
    EXPECT_TRUE(catcher.Caught("SKButton::Create():normal != NULL failed"));

    new SKButton(nullptr, new wxBitmap(), nullptr, nullptr, frame.Parent(), wxID_ANY);
    EXPECT_TRUE(catcher.Caught("SKButton::Create():normal->IsOk() failed"));
}
