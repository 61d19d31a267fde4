#include <cmath>
#include <limits>
#include <memory>

#include <gtest/gtest.h>
#include <wx/custombgwin.h>
#include <wx/panel.h>

#include "common/image_fixtures.h"
#include "support/gui_test.h"
#include "window/base/sk_histogram_ctrl.h"

namespace {

const wxColour kColours[] = {{220, 0, 0}, {0, 200, 0}, {0, 0, 230}, {200, 200, 0}, {0, 200, 200}};

SKHistogramCtrl* MakeBar(wxWindow* parent, const std::vector<double>& fractions, const wxSize& size,
                         wxBitmap* background = nullptr, const wxPoint& at = wxPoint(0, 0))
{
    auto* bar = new SKHistogramCtrl(background, parent, at, size, 3.25);
    for (size_t i = 0; i < fractions.size(); ++i)
        bar->GetParts().push_back(std::make_unique<SkHistogramPart>(
            new wxBitmap(SolidImage(4, size.y, kColours[i % 5])), fractions[i]));
    bar->Refresh();
    return bar;
}

// The part whose colour the rendered bar shows in each column, -1 for none.
std::vector<int> ColumnOwners(const wxImage& bar)
{
    std::vector<int> owners;
    for (int x = 0; x < bar.GetWidth(); ++x) {
        int owner = -1;
        for (int i = 0; i < 5; ++i)
            if (PixelAt(bar, x, bar.GetHeight() / 2) == kColours[i])
                owner = i;
        owners.push_back(owner);
    }
    return owners;
}

// Runs of owners as (part, width) pairs, left to right.
std::vector<std::pair<int, int>> Runs(const std::vector<int>& owners)
{
    std::vector<std::pair<int, int>> runs;
    for (int owner : owners) {
        if (runs.empty() || runs.back().first != owner)
            runs.push_back({owner, 0});
        ++runs.back().second;
    }
    return runs;
}

using Runs_t = std::vector<std::pair<int, int>>;

} // namespace

TEST(SkHistogramSegments, WidthsAreTheTruncatedShareOfTheBar)
{
    struct Case {
        std::vector<double> fractions;
        int width;
        std::vector<int> expected;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {{0.25, 0.125, 0.1, 0.05, 0.0}, 400, {100, 50, 40, 20}},
        {{0.004, 1.0}, 200, {0}},
        {{0.7, 0.6, 0.5, 0.1}, 100, {70, 60, 50}},
        {{0.999, 0.0}, 100, {99}},
        {{-0.5, nan, 1e300, 0.2}, 100, {0, 0, 100}},
        {{0.3}, 100, {}},
        {{}, 100, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SKHistogramCtrl::SegmentWidths(c.fractions, c.width), c.expected);
}

TEST(SkHistogramBar, TheFourHundredPixelExampleLeavesTheRemainderToTheLastPart)
{
    TestFrame frame(wxSize(420, 60));
    SKHistogramCtrl* bar = MakeBar(frame.Parent(), {0.25, 0.125, 0.1, 0.05, 0.9}, wxSize(400, 28));
    const Runs_t expected = {{0, 100}, {1, 50}, {2, 40}, {3, 20}, {4, 190}};
    EXPECT_EQ(Runs(ColumnOwners(bar->RenderBar(wxSize(400, 28)).ConvertToImage())), expected);
}

TEST(SkHistogramBar, OverFullFractionsAreCutAtTheRightEdge)
{
    TestFrame frame;
    SKHistogramCtrl* bar = MakeBar(frame.Parent(), {0.7, 0.6, 0.5, 0.3}, wxSize(100, 10));
    const Runs_t expected = {{0, 70}, {1, 30}};  // the last part is not visible
    EXPECT_EQ(Runs(ColumnOwners(bar->RenderBar(wxSize(100, 10)).ConvertToImage())), expected);
}

TEST(SkHistogramBar, ATinyFractionGetsNoColumnAndOnePartFillsTheBar)
{
    TestFrame frame;
    SKHistogramCtrl* tiny = MakeBar(frame.Parent(), {0.004, 0.5}, wxSize(200, 10));
    EXPECT_EQ(Runs(ColumnOwners(tiny->RenderBar(wxSize(200, 10)).ConvertToImage())), (Runs_t{{1, 200}}));

    SKHistogramCtrl* single = MakeBar(frame.Parent(), {0.3}, wxSize(50, 10));
    EXPECT_EQ(Runs(ColumnOwners(single->RenderBar(wxSize(50, 10)).ConvertToImage())), (Runs_t{{0, 50}}));

    SKHistogramCtrl* empty = MakeBar(frame.Parent(), {}, wxSize(50, 10));
    EXPECT_FALSE(empty->RenderBar(wxSize(50, 10)).IsOk());
}

TEST(SkHistogramBar, ShowsTheParentsBackgroundAroundItsRoundedCorners)
{
    TestFrame frame(wxSize(300, 80));
    auto* panel = new wxCustomBackgroundWindow<wxPanel>();
    panel->Create(frame.Parent(), wxID_ANY, wxPoint(0, 0), wxSize(300, 80));
    const wxImage tile = GradientImage(6, 5);
    panel->SetBackgroundBitmap(wxBitmap(tile));
    SKHistogramCtrl* bar = MakeBar(panel, {0.5, 0.5}, wxSize(200, 28), new wxBitmap(tile), wxPoint(20, 30));
    ASSERT_TRUE(frame.ShowAndWait());

    // The very corner lies outside the rounded outline: the parent's tiling
    // at (20, 30) shows there. Inside, the segments.
    const wxColour corner = PixelAt(tile, 20 % 6, 30 % 5);
    EXPECT_TRUE(WaitFor([&] {
        const wxImage shot = CaptureClientArea(bar);
        return PixelAt(shot, 0, 0) == corner && PixelAt(shot, 50, 14) == kColours[0] &&
               PixelAt(shot, 150, 14) == kColours[1];
    }));
    // The outline is the stock light grey.
    EXPECT_EQ(PixelAt(CaptureClientArea(bar), 100, 0), wxColour(192, 192, 192));
}

TEST(SkHistogramBar, APartlyOutsideControlDrawsWhatExists)
{
    TestFrame frame(wxSize(100, 60));
    auto* panel = new wxCustomBackgroundWindow<wxPanel>();
    panel->Create(frame.Parent(), wxID_ANY, wxPoint(0, 0), wxSize(100, 60));
    panel->SetBackgroundBitmap(wxBitmap(GradientImage(6, 5)));
    SKHistogramCtrl* bar =
        MakeBar(panel, {0.5, 0.5}, wxSize(200, 28), new wxBitmap(GradientImage(6, 5)), wxPoint(50, 40));
    ASSERT_TRUE(frame.ShowAndWait());
    EXPECT_TRUE(WaitFor([&] { return PixelAt(CaptureClientArea(panel), 70, 50) == kColours[0]; }));
    (void)bar;
}
