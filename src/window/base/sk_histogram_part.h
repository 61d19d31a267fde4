#pragma once
// One segment of the storage bar: the pattern that fills it and its share of
// the bar's width. The part owns its pattern.

#include <memory>

#include <wx/bitmap.h>

class SkHistogramPart {
public:
    // Takes ownership of the image (which may be null: the segment is then
    // left as the bar beneath it).
    explicit SkHistogramPart(wxBitmap* image = nullptr, double fraction = 0.0)
        : image(image), fraction(fraction)
    {
    }
    virtual ~SkHistogramPart() = default;

    std::unique_ptr<wxBitmap> image;
    double fraction;  // 0.0 to 1.0 of the bar's width
};
