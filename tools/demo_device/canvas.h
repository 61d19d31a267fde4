#ifndef DEMO_DEVICE_CANVAS_H
#define DEMO_DEVICE_CANVAS_H
// An RGB picture in memory with the few drawing operations the demo pictures
// use: a two-colour gradient, filled circles and big digits, so every
// picture looks different in a thumbnail view.

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    std::uint8_t r, g, b;
};

class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::uint8_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_ * 3; }

    void DiagonalGradient(Rgb from, Rgb to);
    void FillCircle(int cx, int cy, int radius, Rgb colour);
    // Digits 0-9 of text in a 5x7 block font, each dot scale pixels wide, with
    // a dark shadow so they read on any background.
    void DrawNumber(const std::string& text, int x, int y, int scale, Rgb colour);

private:
    void FillRect(int x, int y, int w, int h, Rgb colour);

    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};

#endif
