#include "canvas.h"

#include <algorithm>

namespace {

// 5x7 digits, one row per byte, bit 4 the leftmost dot.
const std::uint8_t kDigits[10][7] = {
    {0x0e, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0e}, {0x04, 0x0c, 0x04, 0x04, 0x04, 0x04, 0x0e},
    {0x0e, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1f}, {0x1f, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0e},
    {0x02, 0x06, 0x0a, 0x12, 0x1f, 0x02, 0x02}, {0x1f, 0x10, 0x1e, 0x01, 0x01, 0x11, 0x0e},
    {0x06, 0x08, 0x10, 0x1e, 0x11, 0x11, 0x0e}, {0x1f, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0e, 0x11, 0x11, 0x0e, 0x11, 0x11, 0x0e}, {0x0e, 0x11, 0x11, 0x0f, 0x01, 0x02, 0x0c},
};

std::uint8_t Mix(std::uint8_t a, std::uint8_t b, long num, long den)
{
    return static_cast<std::uint8_t>((a * (den - num) + b * num) / den);
}

} // namespace

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height * 3, 0)
{
}

void Canvas::DiagonalGradient(Rgb from, Rgb to)
{
    const long span = std::max(1, width_ + height_ - 2);
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* p = pixels_.data() + static_cast<size_t>(y) * width_ * 3;
        for (int x = 0; x < width_; ++x, p += 3) {
            p[0] = Mix(from.r, to.r, x + y, span);
            p[1] = Mix(from.g, to.g, x + y, span);
            p[2] = Mix(from.b, to.b, x + y, span);
        }
    }
}

void Canvas::FillCircle(int cx, int cy, int radius, Rgb colour)
{
    const int top = std::max(0, cy - radius), bottom = std::min(height_ - 1, cy + radius);
    for (int y = top; y <= bottom; ++y) {
        const int dy = y - cy;
        int half = 0;
        while ((half + 1) * (half + 1) + dy * dy <= radius * radius)
            ++half;
        FillRect(cx - half, y, 2 * half + 1, 1, colour);
    }
}

void Canvas::FillRect(int x, int y, int w, int h, Rgb colour)
{
    const int left = std::max(0, x), right = std::min(width_, x + w);
    const int top = std::max(0, y), bottom = std::min(height_, y + h);
    for (int row = top; row < bottom; ++row) {
        std::uint8_t* p = pixels_.data() + (static_cast<size_t>(row) * width_ + left) * 3;
        for (int col = left; col < right; ++col, p += 3) {
            p[0] = colour.r;
            p[1] = colour.g;
            p[2] = colour.b;
        }
    }
}

void Canvas::DrawNumber(const std::string& text, int x, int y, int scale, Rgb colour)
{
    const Rgb shadow{20, 20, 28};
    for (int pass = 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? std::max(1, scale / 3) : 0;
        int left = x + offset;
        for (char c : text) {
            if (c >= '0' && c <= '9') {
                for (int row = 0; row < 7; ++row) {
                    for (int col = 0; col < 5; ++col) {
                        if (kDigits[c - '0'][row] & (0x10 >> col))
                            FillRect(left + col * scale, y + offset + row * scale, scale, scale,
                                     pass == 0 ? shadow : colour);
                    }
                }
            }
            left += 6 * scale;
        }
    }
}
