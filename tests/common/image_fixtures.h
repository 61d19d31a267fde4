#pragma once
// Small images made by the tests, with a distinct colour at every pixel so a
// misplaced copy shows.

#include <wx/bitmap.h>
#include <wx/image.h>

// Pixel (x, y) = red x * 10 + 5, green y * 10 + 5, blue `blue`; opaque.
inline wxImage GradientImage(int width, int height, unsigned char blue = 100)
{
    wxImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetRGB(x, y, static_cast<unsigned char>(x * 10 + 5),
                         static_cast<unsigned char>(y * 10 + 5), blue);
    return image;
}

// The same with alpha: (x + y) % 3 == 0 transparent, others alpha 200 or 255.
inline wxImage GradientImageWithAlpha(int width, int height)
{
    wxImage image = GradientImage(width, height, 50);
    image.InitAlpha();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetAlpha(x, y, (x + y) % 3 == 0 ? 0 : ((x + y) % 3 == 1 ? 200 : 255));
    return image;
}

inline wxImage SolidImage(int width, int height, const wxColour& colour)
{
    wxImage image(width, height);
    image.SetRGB(wxRect(0, 0, width, height), colour.Red(), colour.Green(), colour.Blue());
    return image;
}

inline wxColour PixelAt(const wxImage& image, int x, int y)
{
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y),
                    image.HasAlpha() ? image.GetAlpha(x, y) : 255);
}
