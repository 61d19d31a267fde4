#include <gtest/gtest.h>

#include <wx/display.h>
#include <wx/panel.h>

#include "common/image_fixtures.h"
#include "support/gui_test.h"
#include "window/base/sk_resizable_frame_base.h"

namespace {

const wxColour kGreen(10, 200, 30);

// A shaped frame filled with one colour, so the screen shows where its shape
// lets it through.
class GreenFrame {
public:
    GreenFrame(bool roundBottom, const wxRect& rect)
        : frame_(new SKResizableFrameBase("shape", rect.GetPosition(), rect.GetSize(), 8.0, roundBottom))
    {
        auto* panel = new wxPanel(frame_);
        panel->SetBackgroundColour(kGreen);
        frame_->SetMinSize(wxSize(300, 200));
    }
    ~GreenFrame()
    {
        frame_->Destroy();
        PumpPendingEvents();
    }
    SKResizableFrameBase* operator->() const { return frame_; }
    SKResizableFrameBase* Get() const { return frame_; }

private:
    SKResizableFrameBase* frame_;
};

bool IsGreen(const wxImage& shot, int x, int y)
{
    return PixelAt(shot, x, y) == kGreen;
}

} // namespace

TEST(SKResizableFrameBase, SetFrameRectAndMoveFrameToKeepTheScreenAndMinimumBounds)
{
    GreenFrame frame(false, wxRect(100, 100, 500, 400));
    const wxRect start(100, 100, 500, 400);
    ASSERT_EQ(frame->GetRect(), start);
    const wxSize screen = SKResizableFrameBase::GetScreenSize();
    ASSERT_GT(screen.x, 600);

    struct Case {
        const char* what;
        wxRect rect;
    };
    const Case refused[] = {
        {"left edge off the screen", {-1, 100, 500, 400}},
        {"top edge off the screen", {100, -1, 500, 400}},
        {"wider than the screen", {0, 0, screen.x + 1, 400}},
        {"taller than the screen", {0, 0, 500, screen.y + 1}},
        {"narrower than the minimum", {100, 100, 299, 400}},
        {"lower than the minimum", {100, 100, 500, 199}},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.what);
        frame->SetFrameRect(c.rect.GetPosition(), c.rect.GetSize());
        EXPECT_EQ(frame->GetRect(), start);
    }
    frame->SetFrameRect(wxPoint(120, 90), wxSize(300, 200));
    EXPECT_EQ(frame->GetRect(), wxRect(120, 90, 300, 200));

    frame->MoveFrameTo(wxPoint(-1, 50));
    frame->MoveFrameTo(wxPoint(50, screen.y));
    EXPECT_EQ(frame->GetPosition(), wxPoint(120, 90));
    frame->MoveFrameTo(wxPoint(0, 0));
    EXPECT_EQ(frame->GetRect(), wxRect(0, 0, 300, 200));
}

TEST(SKResizableFrameBase, ShapeRoundsTheTopCornersAndSquaresTheBottomOnes)
{
    for (const bool roundBottom : {false, true}) {
        SCOPED_TRACE(roundBottom ? "round bottom" : "square bottom");
        GreenFrame frame(roundBottom, wxRect(50, 50, 320, 220));
        frame->Show();
        ASSERT_TRUE(WaitForShown(frame.Get()));
        ASSERT_TRUE(WaitFor([&] { return IsGreen(CaptureClientArea(frame.Get()), 160, 110); }));
        const wxImage shot = CaptureClientArea(frame.Get());
        ASSERT_EQ(shot.GetSize(), wxSize(320, 220));
        EXPECT_FALSE(IsGreen(shot, 0, 0));
        EXPECT_FALSE(IsGreen(shot, 319, 0));
        EXPECT_FALSE(IsGreen(shot, 4, 0));
        EXPECT_TRUE(IsGreen(shot, 5, 0));
        EXPECT_TRUE(IsGreen(shot, 0, 8));
        EXPECT_TRUE(IsGreen(shot, 319, 8));
        EXPECT_EQ(IsGreen(shot, 0, 219), !roundBottom);
        EXPECT_EQ(IsGreen(shot, 319, 219), !roundBottom);

        // A new size gets a new outline: the old corner is now inside.
        frame->SetFrameRect(wxPoint(50, 50), wxSize(400, 260));
        ASSERT_TRUE(WaitFor([&] {
            const wxImage grown = CaptureClientArea(frame.Get());
            return grown.GetSize() == wxSize(400, 260) && IsGreen(grown, 319, 0) && !IsGreen(grown, 399, 0) &&
                   IsGreen(grown, 399, 259) == !roundBottom;
        }));
    }
}

TEST(SKResizableFrameBase, MaximizeFillsTheWorkAreaAndRestoreBringsTheRectangleBack)
{
    GreenFrame frame(false, wxRect(100, 80, 400, 300));
    frame->Show();
    ASSERT_TRUE(WaitForShown(frame.Get()));
    EXPECT_FALSE(frame->IsMaximized());

    frame->Maximize();
    EXPECT_TRUE(frame->IsMaximized());
    EXPECT_EQ(frame->GetRect(), wxDisplay(0u).GetClientArea());
    frame->Maximize();  // again: the rectangle to restore stays the first one
    frame->Maximize(false);
    EXPECT_FALSE(frame->IsMaximized());
    EXPECT_EQ(frame->GetRect(), wxRect(100, 80, 400, 300));
}

TEST(SKResizableFrameBase, CloseFrameAsksTheWindowToCloseWithoutForcing)
{
    GreenFrame frame(false, wxRect(100, 80, 400, 300));
    int closeRequests = 0;
    bool couldVeto = false;
    frame->Bind(wxEVT_CLOSE_WINDOW, [&](wxCloseEvent& event) {
        ++closeRequests;
        couldVeto = event.CanVeto();
        event.Veto();
    });
    wxCommandEvent click(wxEVT_BUTTON);
    frame->CloseFrame(click);
    EXPECT_EQ(closeRequests, 1);
    EXPECT_TRUE(couldVeto);
}
