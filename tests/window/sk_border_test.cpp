#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include "chrome_window_test.h"
#include "pointer_drag.h"
#include "support/gui_test.h"
#include "window/base/chrome_geometry.h"
#include "window/base/sk_border.h"

using SKBorderTest = ChromeWindowTest;

TEST_F(SKBorderTest, PiecesCarryTheirKindsCursorAndActOnlyOnceAttached)
{
    SKBorder* corner = window->Border(kBorderBottomRight);
    ASSERT_NE(corner, nullptr);
    EXPECT_TRUE(corner->IsAttached());
    EXPECT_EQ(corner->GetFrame(), window);
    EXPECT_TRUE(corner->GetCursor().IsOk());

    // A piece of no known kind gets no cursor.
    auto* loose = new SKBorder(8, window, wxPoint(0, 0), wxSize(5, 5));
    EXPECT_FALSE(loose->GetCursor().IsOk());
    EXPECT_FALSE(loose->IsAttached());
    loose->Destroy();
}

TEST_F(SKBorderTest, DraggingTheBottomRightCornerResizesFromTheTopLeft)
{
    SKBorder* corner = window->Border(kBorderBottomRight);
    PointerDrag drag(corner);
    const wxPoint press = ScreenCentre(corner);
    ASSERT_TRUE(drag.Press(press));
    EXPECT_EQ(corner->GetAnchor(), start.GetTopLeft());
    ASSERT_TRUE(drag.MoveTo(press + wxPoint(60, 40)));
    const wxRect grown(start.GetTopLeft(), wxSize(press.x + 60 - start.x, press.y + 40 - start.y));
    EXPECT_EQ(window->GetRect(), grown);

    // Past the minimum width (the fitted size): refused, the frame stays.
    ASSERT_TRUE(drag.MoveTo(wxPoint(start.x + window->GetMinSize().x - 1, press.y + 40)));
    EXPECT_EQ(window->GetRect(), grown);
    ASSERT_TRUE(drag.Release());
    // Motion over the piece after the release does not resize.
    ASSERT_TRUE(drag.MoveTo(ScreenCentre(corner) + wxPoint(1, 1)));
    EXPECT_EQ(window->GetRect(), grown);
}

TEST_F(SKBorderTest, DraggingTheTopLeftCornerKeepsTheBottomRightCornerInPlace)
{
    SKBorder* corner = window->Border(kBorderTopLeft);
    PointerDrag drag(corner);
    const wxPoint press = ScreenCentre(corner);
    ASSERT_TRUE(drag.Press(press));
    const wxPoint bottomRight(start.x + start.width, start.y + start.height);
    EXPECT_EQ(corner->GetAnchor(), bottomRight);
    ASSERT_TRUE(drag.MoveTo(press - wxPoint(30, 20)));
    ASSERT_TRUE(drag.MoveTo(press - wxPoint(50, 25)));
    ASSERT_TRUE(drag.Release());
    const wxRect rect = window->GetRect();
    EXPECT_EQ(rect.GetTopLeft(), press - wxPoint(50, 25));
    EXPECT_EQ(wxPoint(rect.x + rect.width, rect.y + rect.height), bottomRight);
}

// The press and the drag motion are delivered to the edge directly (on a
// fresh X server without a window manager a real press on a just-maximized
// frame does not always reach the edge); the pointer itself still moves,
// since a drag reads where it is.
TEST_F(SKBorderTest, DragsAreIgnoredWhileTheFrameIsMaximized)
{
    window->Maximize();
    ASSERT_TRUE(window->IsMaximized());
    SKBorder* edge = window->Border(kBorderRight);
    // The maximized layout lands through size events.
    ASSERT_TRUE(WaitFor([&] { return edge->GetScreenRect().GetRight() == window->GetScreenRect().GetRight(); }));
    const wxRect maximized = window->GetRect();

    const wxPoint press = ScreenCentre(edge);
    wxUIActionSimulator simulator;
    simulator.MouseMove(press);
    ASSERT_TRUE(WaitFor([&] { return wxGetMousePosition() == press; }));
    SendMouse(edge, wxEVT_LEFT_DOWN, edge->ScreenToClient(press));
    ASSERT_TRUE(edge->HasCapture()) << "the press did not start a drag";

    const wxPoint to = press - wxPoint(100, 0);
    simulator.MouseMove(to);
    ASSERT_TRUE(WaitFor([&] { return wxGetMousePosition() == to; }));
    wxMouseEvent motion(wxEVT_MOTION);
    motion.SetEventObject(edge);
    motion.SetLeftDown(true);
    motion.SetPosition(edge->ScreenToClient(to));
    edge->ProcessWindowEvent(motion);
    PumpPendingEvents();
    EXPECT_EQ(window->GetRect(), maximized);

    SendMouse(edge, wxEVT_LEFT_UP, edge->ScreenToClient(to));
    EXPECT_FALSE(edge->HasCapture());
    EXPECT_EQ(window->GetRect(), maximized);
}
