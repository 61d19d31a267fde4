#pragma once
// The arithmetic of the window chrome, kept apart from the windows so it can
// be checked without a display: where a frame may be put, which corner stays
// put while a border piece is dragged, the rectangle that drag asks for, and
// the frame's outline (rounded top corners, optionally rounded bottom ones).
//
//   FrameRectFits / FramePositionFits  the bounds SKResizableFrameBase keeps
//   BorderAnchor / BorderDragRect      what SKBorder does with a press and a drag
//   BorderCursor                       the sizing cursor of each border kind
//   FrameShapeRegion                   the region SKResizableFrameBase shapes itself with

#include <wx/cursor.h>
#include <wx/gdicmn.h>
#include <wx/region.h>

// The eight border pieces, clockwise from the top-left corner.
enum BorderKind {
    kBorderTopLeft = 0,
    kBorderTop = 1,
    kBorderTopRight = 2,
    kBorderLeft = 3,
    kBorderRight = 4,
    kBorderBottomLeft = 5,
    kBorderBottom = 6,
    kBorderBottomRight = 7,
};

// True when the frame may take `rect`: its top-left corner on the screen
// (0 <= x < screen width, 0 <= y < screen height) and its size between the
// minimum and the screen's size. A minimum of -1 (none set) counts as 1: a
// frame is never made empty or turned inside out.
bool FrameRectFits(const wxRect& rect, const wxSize& screen, const wxSize& minimum);

// True when the frame may move its top-left corner to `position`.
bool FramePositionFits(const wxPoint& position, const wxSize& screen);

// The screen point that stays fixed while the piece of `kind` is dragged,
// from the frame's screen rectangle at the press. A kind outside 0..7 anchors
// the top-left corner (and its drags change nothing).
wxPoint BorderAnchor(int kind, const wxRect& frame);

// The frame rectangle a drag of the piece of `kind` asks for, with the
// pointer at `pointer` (screen), the anchor from the press and the frame's
// current size. Not checked against any bound: the frame does that.
wxRect BorderDragRect(int kind, const wxPoint& anchor, const wxSize& frameSize, const wxPoint& pointer);

// The sizing cursor of a piece; wxCURSOR_NONE (no cursor set) for a kind
// outside 0..7.
wxStockCursor BorderCursor(int kind);

// How many pixels a rounded corner of `radius` cuts from the side of the
// row `row` counted from the corner's outer edge (0 = the outermost row).
int CornerInset(int row, double radius);

// The window's outline for a client of `size`: rounded top corners of
// `radius`, bottom corners rounded too when `roundBottom`, square otherwise.
wxRegion FrameShapeRegion(const wxSize& size, double radius, bool roundBottom);
