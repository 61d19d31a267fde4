#include <gtest/gtest.h>

#include "common/image_fixtures.h"
#include "support/gui_test.h"
#include "window/base/tw_bitmap_button.h"

namespace {

class TwBitmapButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        button = new TwBitmapButton(frame.Parent(), wxID_HIGHEST + 5, wxPoint(4, 4), wxSize(10, 8));
        button->SetFaces(new wxBitmap(SolidImage(10, 8, *wxRED)), new wxBitmap(SolidImage(10, 8, *wxGREEN)),
                         new wxBitmap(SolidImage(10, 8, *wxBLUE)));
    }

    TestFrame frame;
    TwBitmapButton* button = nullptr;
};

} // namespace

TEST_F(TwBitmapButtonTest, FollowsTheStateTable)
{
    ClickCounter clicks(button);
    struct Step {
        wxEventType event;
        wxPoint at;
        int state;
        int clicks;
    };
    const Step steps[] = {
        {wxEVT_ENTER_WINDOW, {1, 1}, 1, 0},
        {wxEVT_LEFT_DOWN, {1, 1}, 2, 0},
        {wxEVT_LEFT_UP, {1, 1}, 3, 1},
        {wxEVT_LEFT_UP, {1, 1}, 3, 1},  // a second release is no click
        {wxEVT_LEAVE_WINDOW, {30, 1}, 4, 1},
        {wxEVT_ENTER_WINDOW, {1, 1}, 1, 1},
    };
    for (const Step& step : steps) {
        SendMouse(button, step.event, step.at);
        EXPECT_EQ(button->GetState(), step.state);
        EXPECT_EQ(clicks.Count(), step.clicks);
    }
}

TEST_F(TwBitmapButtonTest, ADoubleClickSendsOneClickForTheReleaseAfterIt)
{
    ClickCounter clicks(button);
    SendMouse(button, wxEVT_LEFT_DCLICK);
    EXPECT_EQ(button->GetState(), TwStateButton::kPressed);
    EXPECT_EQ(clicks.Count(), 0);
    SendMouse(button, wxEVT_LEFT_UP);
    EXPECT_EQ(clicks.Count(), 1);
}

TEST_F(TwBitmapButtonTest, PressLeaveAndReleaseOutsideSendsNoClick)
{
    ClickCounter clicks(button);
    SendMouse(button, wxEVT_LEFT_DOWN);
    SendMouse(button, wxEVT_LEAVE_WINDOW, wxPoint(40, 40));
    SendMouse(button, wxEVT_LEFT_UP, wxPoint(40, 40));
    EXPECT_EQ(clicks.Count(), 0);
}

TEST_F(TwBitmapButtonTest, DisabledShowsTheNormalFaceAndIgnoresThePointer)
{
    ASSERT_TRUE(frame.ShowAndWait());
    button->Enable(false);
    EXPECT_EQ(button->GetState(), TwStateButton::kDisabled);
    SendMouse(button, wxEVT_ENTER_WINDOW);
    SendMouse(button, wxEVT_LEFT_DOWN);
    EXPECT_EQ(button->GetState(), TwStateButton::kDisabled);
    EXPECT_TRUE(WaitFor([&] { return PixelAt(CaptureClientArea(button), 5, 4) == *wxRED; }));

    button->Enable(true);
    EXPECT_EQ(button->GetState(), TwStateButton::kNormal);
}

TEST_F(TwBitmapButtonTest, DrawsItsBackgroundBitmapOrColourUnderTheFace)
{
    // A face with a transparent left half shows what is behind it.
    wxImage half = SolidImage(10, 8, *wxRED);
    half.InitAlpha();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 5; ++x)
            half.SetAlpha(x, y, 0);
    button->SetFaces(new wxBitmap(half), nullptr, nullptr);
    button->SetBackgroundBitmap(wxBitmap(SolidImage(10, 8, wxColour(10, 200, 30))));
    ASSERT_TRUE(frame.ShowAndWait());
    EXPECT_TRUE(WaitFor([&] { return PixelAt(CaptureClientArea(button), 2, 4) == wxColour(10, 200, 30); }));
    EXPECT_EQ(PixelAt(CaptureClientArea(button), 7, 4), *wxRED);

    button->SetBackgroundColour(wxColour(200, 0, 200));
    EXPECT_FALSE(button->UsesBackgroundBitmap());
    button->Refresh();
    EXPECT_TRUE(WaitFor([&] { return PixelAt(CaptureClientArea(button), 2, 4) == wxColour(200, 0, 200); }));

    // Without current and pressed faces the pointer shows the normal one.
    SendMouse(button, wxEVT_ENTER_WINDOW);
    EXPECT_TRUE(WaitFor([&] { return PixelAt(CaptureClientArea(button), 7, 4) == *wxRED; }));
}
