#include <gtest/gtest.h>
#include <wx/panel.h>

#include "common/image_fixtures.h"
#include "support/gui_test.h"
#include "window/base/tw_word_button.h"

namespace {

const wxColour kLeft(200, 0, 0);
const wxColour kMiddle(0, 160, 0);
const wxColour kRight(0, 0, 220);

// A 26 x 12 picture cut 10 / 4 / 12, each slice one colour; `shade` tells the
// states apart.
wxBitmap SlicedImage(int shade = 0)
{
    wxImage image(26, 12);
    image.SetRGB(wxRect(0, 0, 10, 12), kLeft.Red() - shade, 0, 0);
    image.SetRGB(wxRect(10, 0, 4, 12), 0, kMiddle.Green() - shade, 0);
    image.SetRGB(wxRect(14, 0, 12, 12), 0, 0, kRight.Blue() - shade);
    return wxBitmap(image);
}

class TwWordButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        button = new TwWordButton;
        ASSERT_TRUE(button->Create(frame.Parent(), wxPoint(6, 5)));
        button->SetImages(SlicedImage(), 10, 4, SlicedImage(40), SlicedImage(80));
        button->SetLabelAndFont("Export", font);
    }

    int LabelWidth() const { return button->GetTextExtent("Export").x; }

    TestFrame frame{wxSize(300, 80)};
    wxFont font{wxFontInfo(10)};
    TwWordButton* button = nullptr;
};

} // namespace

TEST_F(TwWordButtonTest, TakesItsIdAndGrowsWithItsLabel)
{
    EXPECT_EQ(button->GetId(), TwWordButton::kDefaultId);
    ASSERT_GT(LabelWidth(), 0);
    EXPECT_EQ(button->GetSize(), wxSize(LabelWidth() + 22, 12));
    EXPECT_EQ(button->GetBestSize(), button->GetSize());
    EXPECT_EQ(button->GetTextPosition(), wxPoint(10, 0));

    button->SetLabelAndFont("Exportieren", font);
    EXPECT_EQ(button->GetSize().x, button->GetTextExtent("Exportieren").x + 22);
}

TEST_F(TwWordButtonTest, ComposesLeftEndRepeatedMiddleAndRightEnd)
{
    const wxImage face = button->GetNormalFace().ConvertToImage();
    const int middleEnd = 10 + LabelWidth();
    ASSERT_EQ(face.GetWidth(), middleEnd + 12);
    for (int x = 0; x < face.GetWidth(); ++x) {
        const wxColour expected = x < 10 ? kLeft : (x < middleEnd ? kMiddle : kRight);
        ASSERT_EQ(PixelAt(face, x, 6), expected) << "column " << x;
    }
    // Each state has its own face; the disabled one is the greyed normal face.
    EXPECT_EQ(PixelAt(button->GetCurrentFace().ConvertToImage(), 2, 2), wxColour(160, 0, 0));
    EXPECT_EQ(PixelAt(button->GetPressedFace().ConvertToImage(), 2, 2), wxColour(120, 0, 0));
    const wxImage disabled = button->GetDisabledFace().ConvertToImage();
    const wxImage expectedDisabled = face.ConvertToDisabled(100);
    EXPECT_EQ(PixelAt(disabled, 2, 2), PixelAt(expectedDisabled, 2, 2));
    EXPECT_NE(PixelAt(disabled, 2, 2), kLeft);
}

TEST_F(TwWordButtonTest, PressLeaveAndReleaseOutsideSendsNoClickPressAndReleaseInsideSendsOne)
{
    ClickCounter clicks(button);
    SendMouse(button, wxEVT_ENTER_WINDOW);
    SendMouse(button, wxEVT_LEFT_DOWN);
    SendMouse(button, wxEVT_LEAVE_WINDOW, wxPoint(200, 40));
    EXPECT_EQ(button->GetState(), TwStateButton::kLeft);
    SendMouse(button, wxEVT_LEFT_UP, wxPoint(200, 40));
    EXPECT_EQ(clicks.Count(), 0);

    SendMouse(button, wxEVT_ENTER_WINDOW);
    SendMouse(button, wxEVT_LEFT_DOWN);
    SendMouse(button, wxEVT_LEFT_UP);
    EXPECT_EQ(clicks.Count(), 1);
}

TEST_F(TwWordButtonTest, ShowsTheFaceOfItsStateAndTheGreyedFaceWhenDisabled)
{
    EXPECT_TRUE(button->GetShownFace().IsSameAs(button->GetNormalFace()));
    SendMouse(button, wxEVT_ENTER_WINDOW);
    EXPECT_TRUE(button->GetShownFace().IsSameAs(button->GetCurrentFace()));
    SendMouse(button, wxEVT_LEFT_DCLICK);
    EXPECT_TRUE(button->GetShownFace().IsSameAs(button->GetPressedFace()));
    button->Enable(false);
    EXPECT_TRUE(button->GetShownFace().IsSameAs(button->GetDisabledFace()));

    ASSERT_TRUE(frame.ShowAndWait());
    const wxColour grey = PixelAt(button->GetDisabledFace().ConvertToImage(), 2, 2);
    EXPECT_TRUE(WaitFor([&] { return PixelAt(CaptureClientArea(button), 2, 2) == grey; }));
}

TEST_F(TwWordButtonTest, MissingStateImagesFallBackToTheNormalFace)
{
    auto* plain = new TwWordButton;
    ASSERT_TRUE(plain->Create(frame.Parent(), wxPoint(6, 40), wxID_HIGHEST + 9));
    plain->SetImages(SlicedImage(), 10, 4, wxNullBitmap, wxNullBitmap);
    plain->SetLabelAndFont("Export", font);
    SendMouse(plain, wxEVT_ENTER_WINDOW);
    EXPECT_TRUE(plain->GetShownFace().IsSameAs(plain->GetNormalFace()));
    SendMouse(plain, wxEVT_LEFT_DOWN);
    EXPECT_TRUE(plain->GetShownFace().IsSameAs(plain->GetNormalFace()));
}

TEST_F(TwWordButtonTest, DrawsItsBackgroundByMode)
{
    // A face with transparent rows 0 and 1 lets the background show there.
    wxImage image = SlicedImage().ConvertToImage();
    image.InitAlpha();
    for (int x = 0; x < 26; ++x) {
        image.SetAlpha(x, 0, 0);
        image.SetAlpha(x, 1, 0);
    }
    button->SetImages(wxBitmap(image), 10, 4, wxNullBitmap, wxNullBitmap);
    button->SetLabelAndFont("", font);
    button->SetForegroundColour(*wxBLACK);
    ASSERT_TRUE(frame.ShowAndWait());
    auto shownAt = [&](int x, int y) { return PixelAt(CaptureClientArea(button), x, y); };

    // Mode 2 after creation: the background colour.
    button->SetBackgroundColour(wxColour(1, 2, 3));
    button->Refresh();
    EXPECT_TRUE(WaitFor([&] { return shownAt(3, 0) == wxColour(1, 2, 3); }));

    // Mode 1: a band tiled across the button, taken at the button's height (y = 5).
    const wxImage band = GradientImage(3, 20);
    button->SetBackgroundBitmap(wxBitmap(band), TwWordButton::kTiledBackground);
    EXPECT_TRUE(WaitFor([&] { return shownAt(4, 1) == PixelAt(band, 4 % 3, 5 + 1); }));

    // Mode 0: the piece of a picture at the button's place in its parent.
    const wxImage picture = GradientImage(20, 20, 33);
    button->SetBackgroundBitmap(wxBitmap(picture), TwWordButton::kCutBackground);
    EXPECT_TRUE(WaitFor([&] { return shownAt(4, 1) == PixelAt(picture, 6 + 4, 5 + 1); }));
}

TEST(TwWordButtonDeathTest, AMissingNormalImageStopsTheProgram)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    TestFrame frame;
    auto* button = new TwWordButton;
    ASSERT_TRUE(button->Create(frame.Parent()));
    EXPECT_DEATH(button->SetImages(wxNullBitmap, 10, 4, wxNullBitmap, wxNullBitmap), "normal.IsOk\\(\\)");
    EXPECT_DEATH(button->SetLabelAndFont("Export", wxFont(wxFontInfo(10))), "normal_bitmap_\\[0\\].IsOk\\(\\)");
}
