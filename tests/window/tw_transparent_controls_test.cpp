#include <gtest/gtest.h>
#include <wx/dcclient.h>
#include <wx/panel.h>

#include "common/image_fixtures.h"
#include "support/gui_test.h"
#include "window/base/msw/tw_hyperlink_ctrl.h"
#include "window/base/msw/tw_static_bitmap.h"
#include "window/base/msw/tw_static_text.h"

namespace {

// A dialog-like parent that paints one picture at its top-left, as the About
// dialog does.
class PicturePanel : public wxPanel {
public:
    PicturePanel(wxWindow* parent, const wxBitmap& picture)
        : wxPanel(parent, wxID_ANY, wxPoint(0, 0), picture.GetSize()), picture_(picture)
    {
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(this);
            dc.DrawBitmap(picture_, 0, 0, false);
        });
    }

private:
    wxBitmap picture_;
};

class TransparentControlsTest : public testing::Test {
protected:
    // Pixel (x, y) of the parent's picture is unique, so a piece cut from the
    // wrong place shows.
    // The controls point at these bitmaps, so they outlive the frame.
    const wxImage picture = GradientImage(24, 16, 0);
    const wxBitmap pictureBitmap{picture};
    const wxImage scaled = picture.Scale(240, 160);
    const wxBitmap background{scaled};
    TestFrame frame{wxSize(240, 160)};
    PicturePanel* panel = new PicturePanel(frame.Parent(), background);

    // Looks for pixels of the parent's picture at the control's place, and
    // for none from anywhere else.
    bool ShowsBackgroundFromItsPlace(wxWindow* control)
    {
        const wxImage shot = CaptureClientArea(control);
        const wxPoint at = control->GetPosition();
        wxRect inside = wxRect(at, shot.GetSize()).Intersect(wxRect(scaled.GetSize()));
        inside.Offset(-at.x, -at.y);
        int matches = 0;
        for (int y = inside.y; y < inside.GetBottom() + 1; ++y)
            for (int x = inside.x; x < inside.GetRight() + 1; ++x)
                matches += PixelAt(shot, x, y) == PixelAt(scaled, at.x + x, at.y + y);
        return !inside.IsEmpty() && matches > inside.width * inside.height / 2;
    }
};

} // namespace

TEST_F(TransparentControlsTest, TextShowsTheParentsPictureBehindItInItsOwnColour)
{
    auto* text = new TwStaticText(panel, wxID_ANY, "Handover 1.0.15", wxPoint(30, 40));
    text->SetForegroundColour(wxColour(0, 0, 255));
    text->SetBackgroundBitmap(&background);
    ASSERT_TRUE(frame.ShowAndWait());
    EXPECT_TRUE(WaitFor([&] { return ShowsBackgroundFromItsPlace(text); }));

    bool foreground = false;
    const wxImage shot = CaptureClientArea(text);
    for (int y = 0; y < shot.GetHeight(); ++y)
        for (int x = 0; x < shot.GetWidth(); ++x)
            foreground = foreground || PixelAt(shot, x, y) == wxColour(0, 0, 255);
    EXPECT_TRUE(foreground);
}

TEST_F(TransparentControlsTest, MovingAControlRepaintsItFromItsNewPlace)
{
    auto* text = new TwStaticText(panel, wxID_ANY, "Moves", wxPoint(10, 10));
    text->SetBackgroundBitmap(&background);
    ASSERT_TRUE(frame.ShowAndWait());
    ASSERT_TRUE(WaitFor([&] { return ShowsBackgroundFromItsPlace(text); }));

    text->Move(120, 90);
    text->Refresh();
    EXPECT_TRUE(WaitFor([&] {
        return text->GetBackgroundPieceRect().GetPosition() == wxPoint(120, 90) && ShowsBackgroundFromItsPlace(text);
    }));
}

TEST_F(TransparentControlsTest, PictureAndLinkShowThePieceBehindThem)
{
    wxImage ring = SolidImage(20, 20, *wxRED);
    ring.InitAlpha();
    for (int y = 4; y < 16; ++y)
        for (int x = 4; x < 16; ++x)
            ring.SetAlpha(x, y, 0);  // a hole to look through
    auto* bitmap = new TwStaticBitmap(panel, wxID_ANY, wxBitmap(ring), wxPoint(60, 20));
    bitmap->SetBackgroundBitmap(&background);
    auto* link = new TwHyperLinkCtrl(panel, wxID_ANY, "https://www.corvane.example/download",
                                     "https://www.corvane.example/download", wxPoint(10, 120));
    link->SetBackgroundBitmap(&background);
    ASSERT_TRUE(frame.ShowAndWait());

    EXPECT_TRUE(WaitFor([&] {
        const wxImage shot = CaptureClientArea(bitmap);
        return PixelAt(shot, 10, 10) == PixelAt(scaled, 70, 30) && PixelAt(shot, 1, 1) == *wxRED;
    }));
    EXPECT_TRUE(WaitFor([&] { return ShowsBackgroundFromItsPlace(link); }));
}

TEST_F(TransparentControlsTest, AControlPastTheBitmapsEdgeGetsTheClippedPiece)
{
    // The 24 x 16 picture: the control reaches past its right edge.
    auto* text = new TwStaticText(panel, wxID_ANY, "Wide text past the edge", wxPoint(10, 4));
    text->SetBackgroundBitmap(&pictureBitmap);
    ASSERT_TRUE(frame.ShowAndWait());
    EXPECT_TRUE(WaitFor([&] {
        const wxImage shot = CaptureClientArea(text);
        return PixelAt(shot, 2, 1) == PixelAt(picture, 12, 5) && text->GetBackgroundPieceRect() == text->GetRect();
    }));
}
