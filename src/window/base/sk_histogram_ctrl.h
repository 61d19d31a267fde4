#pragma once
// The storage bar: one horizontal bar divided into segments, each filled with
// its part's pattern, with rounded corners and a light grey outline. Around the
// rounded corners the control shows the piece of its parent's tiled
// background that it covers, so it sits on the skinned view without a box.
//
// The creator appends parts and sets their fractions directly, then refreshes.
// The last part is the remainder: it fills whatever the others leave, and its
// own fraction is not used. The control owns its parts and its copy of the
// background.

#include <memory>
#include <vector>

#include <wx/bitmap.h>
#include <wx/control.h>

#include "window/base/sk_histogram_part.h"

class SKHistogramCtrl : public wxControl {
public:
    SKHistogramCtrl();
    // Takes ownership of the background (a copy of the parent's; may be null).
    SKHistogramCtrl(wxBitmap* background, wxWindow* parent, const wxPoint& position,
                    const wxSize& size, double cornerRadius);
    ~SKHistogramCtrl() override;

    std::vector<std::unique_ptr<SkHistogramPart>>& GetParts() { return parts_; }
    double GetCornerRadius() const { return cornerRadius_; }

    // Widths of every part but the last for a bar `width` pixels wide: the
    // fraction times the width, truncated. A fraction that is negative or not
    // a number gives 0, one above 1 no more than the bar's width.
    static std::vector<int> SegmentWidths(const std::vector<double>& fractions, int width);

    // The bar as painted before the rounded outline: the last part's pattern
    // over the whole size, the other parts' segments from the left over it.
    wxBitmap RenderBar(const wxSize& size) const;

private:
    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnSize(wxSizeEvent& event);

    std::unique_ptr<wxBitmap> background_;
    double cornerRadius_ = 0.0;
    std::vector<std::unique_ptr<SkHistogramPart>> parts_;

    wxDECLARE_DYNAMIC_CLASS(SKHistogramCtrl);
    wxDECLARE_EVENT_TABLE();
};
