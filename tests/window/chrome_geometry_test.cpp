#include <gtest/gtest.h>

#include <vector>

#include "window/base/chrome_geometry.h"

namespace {

const wxSize kScreen(1280, 1024);
const wxSize kMinimum(400, 300);

struct BoundsCase {
    const char* what;
    wxRect rect;
    bool fits;
};

} // namespace

TEST(FrameBounds, RectMustStartOnScreenAndStayBetweenMinimumAndScreenSize)
{
    const std::vector<BoundsCase> cases = {
        {"at the origin, minimum size", {0, 0, 400, 300}, true},
        {"as large as the screen", {0, 0, 1280, 1024}, true},
        {"top-left on the last pixel, sticking out", {1279, 1023, 400, 300}, true},
        {"left edge one pixel off screen", {-1, 10, 500, 400}, false},
        {"top edge one pixel off screen", {10, -1, 500, 400}, false},
        {"top-left just right of the screen", {1280, 10, 500, 400}, false},
        {"top-left just below the screen", {10, 1024, 500, 400}, false},
        {"wider than the screen", {0, 0, 1281, 400}, false},
        {"taller than the screen", {0, 0, 500, 1025}, false},
        {"narrower than the minimum", {10, 10, 399, 400}, false},
        {"lower than the minimum", {10, 10, 500, 299}, false},
        {"turned inside out", {10, 10, -50, 400}, false},
    };
    for (const BoundsCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FrameRectFits(c.rect, kScreen, kMinimum), c.fits);
    }
}

TEST(FrameBounds, WithoutAMinimumTheFrameStillKeepsOnePixel)
{
    const wxSize none(-1, -1);
    EXPECT_TRUE(FrameRectFits({0, 0, 1, 1}, kScreen, none));
    EXPECT_FALSE(FrameRectFits({0, 0, 0, 100}, kScreen, none));
    EXPECT_FALSE(FrameRectFits({0, 0, 100, 0}, kScreen, none));
    EXPECT_FALSE(FrameRectFits({0, 0, -5, 100}, kScreen, none));
}

TEST(FrameBounds, MoveKeepsTheTopLeftCornerOnTheScreen)
{
    const std::vector<std::pair<wxPoint, bool>> cases = {
        {{0, 0}, true},        {{1279, 1023}, true},  {{-1, 0}, false},
        {{0, -1}, false},      {{1280, 0}, false},    {{0, 1024}, false},
        {{-500, -500}, false}, {{640, 512}, true},
    };
    for (const auto& [position, fits] : cases) {
        SCOPED_TRACE(testing::Message() << position.x << "," << position.y);
        EXPECT_EQ(FramePositionFits(position, kScreen), fits);
    }
}

namespace {

struct BorderCase {
    int kind;
    wxPoint anchor;   // for the frame (100, 50, 400 x 300)
    wxPoint pointer;  // where the drag has got to
    wxRect rect;      // what the drag asks for
};

} // namespace

TEST(BorderPieces, EachKindAnchorsTheOppositeCornerAndResizesTowardsThePointer)
{
    const wxRect frame(100, 50, 400, 300);  // right edge 500, bottom 350
    const std::vector<BorderCase> cases = {
        {kBorderTopLeft, {500, 350}, {90, 30}, {90, 30, 410, 320}},
        {kBorderTop, {500, 350}, {250, 40}, {100, 40, 400, 310}},
        {kBorderTopRight, {100, 350}, {520, 40}, {100, 40, 420, 310}},
        {kBorderLeft, {500, 350}, {80, 200}, {80, 50, 420, 300}},
        {kBorderRight, {100, 50}, {530, 200}, {100, 50, 430, 300}},
        {kBorderBottomLeft, {500, 50}, {80, 370}, {80, 50, 420, 320}},
        {kBorderBottom, {100, 50}, {250, 380}, {100, 50, 400, 330}},
        {kBorderBottomRight, {100, 50}, {540, 390}, {100, 50, 440, 340}},
    };
    for (const BorderCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind);
        const wxPoint anchor = BorderAnchor(c.kind, frame);
        EXPECT_EQ(anchor, c.anchor);
        EXPECT_EQ(BorderDragRect(c.kind, anchor, frame.GetSize(), c.pointer), c.rect);
    }
}

TEST(BorderPieces, ThePointerBackAtThePressGivesTheFrameItHad)
{
    // Each piece pressed on the frame corner or edge point it stands for.
    const wxRect frame(100, 50, 400, 300);
    const wxPoint pressAt[8] = {{100, 50}, {300, 50}, {500, 50}, {100, 200},
                                {500, 200}, {100, 350}, {300, 350}, {500, 350}};
    for (int kind = 0; kind < 8; ++kind) {
        SCOPED_TRACE(testing::Message() << "kind " << kind);
        EXPECT_EQ(BorderDragRect(kind, BorderAnchor(kind, frame), frame.GetSize(), pressAt[kind]), frame);
    }
}

TEST(BorderPieces, DraggingTheBottomRightCornerPastTheMinimumIsRefused)
{
    const wxRect frame(100, 50, 400, 300);
    const wxPoint anchor = BorderAnchor(kBorderBottomRight, frame);
    EXPECT_TRUE(FrameRectFits(BorderDragRect(kBorderBottomRight, anchor, frame.GetSize(), {500, 350}), kScreen,
                              kMinimum));
    EXPECT_FALSE(FrameRectFits(BorderDragRect(kBorderBottomRight, anchor, frame.GetSize(), {499, 350}), kScreen,
                               kMinimum));
    // Past the anchor the width turns negative; still refused.
    EXPECT_FALSE(FrameRectFits(BorderDragRect(kBorderBottomRight, anchor, frame.GetSize(), {50, 350}), kScreen,
                               kMinimum));
}

TEST(BorderPieces, CursorsAndUnknownKinds)
{
    const wxStockCursor expected[8] = {wxCURSOR_SIZENWSE, wxCURSOR_SIZENS, wxCURSOR_SIZENESW, wxCURSOR_SIZEWE,
                                       wxCURSOR_SIZEWE,   wxCURSOR_SIZENESW, wxCURSOR_SIZENS, wxCURSOR_SIZENWSE};
    for (int kind = 0; kind < 8; ++kind)
        EXPECT_EQ(BorderCursor(kind), expected[kind]) << "kind " << kind;
    EXPECT_EQ(BorderCursor(8), wxCURSOR_NONE);
    EXPECT_EQ(BorderCursor(-1), wxCURSOR_NONE);
    // A piece of an unknown kind leaves the frame as it is, wherever the pointer goes.
    const wxRect frame(100, 50, 400, 300);
    EXPECT_EQ(BorderDragRect(8, BorderAnchor(8, frame), frame.GetSize(), {0, 0}), frame);
}

TEST(FrameShape, RadiusEightCutsAQuarterCircleFromEachRoundedCorner)
{
    // A pixel stays when its centre lies inside the corner's circle.
    const int expected[] = {5, 3, 2, 1, 1, 0, 0, 0};
    for (int row = 0; row < 8; ++row)
        EXPECT_EQ(CornerInset(row, 8.0), expected[row]) << "row " << row;
    EXPECT_EQ(CornerInset(8, 8.0), 0);
    EXPECT_EQ(CornerInset(0, 0.0), 0);
}

TEST(FrameShape, SquareBottomKeepsTheBottomCornersRoundBottomCutsThem)
{
    const wxSize size(200, 100);
    const wxRegion square = FrameShapeRegion(size, 8.0, false);
    const wxRegion round = FrameShapeRegion(size, 8.0, true);
    for (const wxRegion* region : {&square, &round}) {
        // Top corners rounded, the same on both sides.
        EXPECT_EQ(region->Contains(0, 0), wxOutRegion);
        EXPECT_EQ(region->Contains(199, 0), wxOutRegion);
        EXPECT_EQ(region->Contains(4, 0), wxOutRegion);
        EXPECT_EQ(region->Contains(5, 0), wxInRegion);
        EXPECT_EQ(region->Contains(194, 0), wxInRegion);
        EXPECT_EQ(region->Contains(195, 0), wxOutRegion);
        EXPECT_EQ(region->Contains(0, 8), wxInRegion);
        EXPECT_EQ(region->Contains(199, 8), wxInRegion);
        EXPECT_EQ(region->Contains(100, 50), wxInRegion);
        EXPECT_EQ(region->Contains(200, 50), wxOutRegion);
        EXPECT_EQ(region->GetBox(), wxRect(0, 0, 200, 100));
    }
    EXPECT_EQ(square.Contains(0, 99), wxInRegion);
    EXPECT_EQ(square.Contains(199, 99), wxInRegion);
    EXPECT_EQ(round.Contains(0, 99), wxOutRegion);
    EXPECT_EQ(round.Contains(199, 99), wxOutRegion);
    EXPECT_EQ(round.Contains(5, 99), wxInRegion);
    EXPECT_EQ(round.Contains(0, 91), wxInRegion);
}

TEST(FrameShape, WindowsLowerThanTwoCornersAndEmptySizes)
{
    // Top and bottom corners overlap: each row takes the larger cut.
    const wxRegion low = FrameShapeRegion(wxSize(40, 6), 8.0, true);
    EXPECT_EQ(low.Contains(4, 0), wxOutRegion);
    EXPECT_EQ(low.Contains(4, 5), wxOutRegion);
    EXPECT_EQ(low.Contains(2, 2), wxInRegion);
    EXPECT_EQ(low.Contains(1, 3), wxOutRegion);  // row 3 is row 2 from the bottom: inset 2
    EXPECT_TRUE(FrameShapeRegion(wxSize(0, 100), 8.0, false).IsEmpty());
    EXPECT_TRUE(FrameShapeRegion(wxSize(100, 0), 8.0, false).IsEmpty());
    // A window narrower than its corners keeps its middle column.
    EXPECT_EQ(FrameShapeRegion(wxSize(3, 3), 8.0, false).Contains(1, 0), wxInRegion);
}
