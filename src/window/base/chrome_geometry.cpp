#include "window/base/chrome_geometry.h"

#include <algorithm>
#include <cmath>

bool FrameRectFits(const wxRect& rect, const wxSize& screen, const wxSize& minimum)
{
    const int minWidth = std::max(minimum.x, 1);
    const int minHeight = std::max(minimum.y, 1);
    return FramePositionFits(rect.GetPosition(), screen) && rect.width >= minWidth &&
           rect.width <= screen.x && rect.height >= minHeight && rect.height <= screen.y;
}

bool FramePositionFits(const wxPoint& position, const wxSize& screen)
{
    return position.x >= 0 && position.x < screen.x && position.y >= 0 && position.y < screen.y;
}

wxPoint BorderAnchor(int kind, const wxRect& frame)
{
    const int left = frame.x;
    const int top = frame.y;
    const int right = frame.x + frame.width;
    const int bottom = frame.y + frame.height;
    switch (kind) {
    case kBorderTopLeft:
    case kBorderTop:
    case kBorderLeft:
        return wxPoint(right, bottom);
    case kBorderTopRight:
        return wxPoint(left, bottom);
    case kBorderBottomLeft:
        return wxPoint(right, top);
    default:  // right, bottom, bottom-right: the top-left corner stays
        return wxPoint(left, top);
    }
}

wxRect BorderDragRect(int kind, const wxPoint& anchor, const wxSize& frameSize, const wxPoint& pointer)
{
    const int ax = anchor.x;
    const int ay = anchor.y;
    const int sx = pointer.x;
    const int sy = pointer.y;
    const int w = frameSize.x;
    const int h = frameSize.y;
    switch (kind) {
    case kBorderTopLeft:
        return wxRect(sx, sy, ax - sx, ay - sy);
    case kBorderTop:
        return wxRect(ax - w, sy, w, ay - sy);
    case kBorderTopRight:
        return wxRect(ax, sy, sx - ax, ay - sy);
    case kBorderLeft:
        return wxRect(sx, ay - h, ax - sx, h);
    case kBorderRight:
        return wxRect(ax, ay, sx - ax, h);
    case kBorderBottomLeft:
        return wxRect(sx, ay, ax - sx, sy - ay);
    case kBorderBottom:
        return wxRect(ax, ay, w, sy - ay);
    case kBorderBottomRight:
        return wxRect(ax, ay, sx - ax, sy - ay);
    default:
        return wxRect(anchor, frameSize);
    }
}

wxStockCursor BorderCursor(int kind)
{
    switch (kind) {
    case kBorderTopLeft:
    case kBorderBottomRight:
        return wxCURSOR_SIZENWSE;
    case kBorderTop:
    case kBorderBottom:
        return wxCURSOR_SIZENS;
    case kBorderTopRight:
    case kBorderBottomLeft:
        return wxCURSOR_SIZENESW;
    case kBorderLeft:
    case kBorderRight:
        return wxCURSOR_SIZEWE;
    default:
        return wxCURSOR_NONE;
    }
}

int CornerInset(int row, double radius)
{
    if (radius <= 0 || row < 0 || row >= std::ceil(radius))
        return 0;
    // A pixel belongs to the window when its centre lies inside the corner's
    // circle (centre at radius, radius) or beyond it.
    const double dy = radius - (row + 0.5);
    const double dx = std::sqrt(std::max(0.0, radius * radius - dy * dy));
    return std::max(0, static_cast<int>(std::ceil(radius - dx - 0.5)));
}

wxRegion FrameShapeRegion(const wxSize& size, double radius, bool roundBottom)
{
    wxRegion region;
    if (size.x <= 0 || size.y <= 0)
        return region;
    auto insetOf = [&](int y) {
        int inset = CornerInset(y, radius);
        if (roundBottom)
            inset = std::max(inset, CornerInset(size.y - 1 - y, radius));
        return std::min(inset, size.x / 2);
    };
    // One rectangle per run of rows with the same inset.
    int runStart = 0;
    int runInset = insetOf(0);
    for (int y = 1; y <= size.y; ++y) {
        const int inset = y < size.y ? insetOf(y) : -1;
        if (inset == runInset)
            continue;
        if (size.x - 2 * runInset > 0)
            region.Union(wxRect(runInset, runStart, size.x - 2 * runInset, y - runStart));
        runStart = y;
        runInset = inset;
    }
    return region;
}
