#include "window/base/sk_histogram_ctrl.h"

#include <wx/dcclient.h>

#include "common/image_util.h"
#include "window/base/parent_background.h"

wxIMPLEMENT_DYNAMIC_CLASS(SKHistogramCtrl, wxControl);

wxBEGIN_EVENT_TABLE(SKHistogramCtrl, wxControl)
    EVT_PAINT(SKHistogramCtrl::OnPaint)
    EVT_ERASE_BACKGROUND(SKHistogramCtrl::OnEraseBackground)
    EVT_SIZE(SKHistogramCtrl::OnSize)
wxEND_EVENT_TABLE()

SKHistogramCtrl::SKHistogramCtrl() = default;

SKHistogramCtrl::SKHistogramCtrl(wxBitmap* background, wxWindow* parent, const wxPoint& position,
                                 const wxSize& size, double cornerRadius)
    : background_(background), cornerRadius_(cornerRadius)
{
    Create(parent, wxID_ANY, position, size, wxBORDER_NONE);
}

SKHistogramCtrl::~SKHistogramCtrl() = default;

std::vector<int> SKHistogramCtrl::SegmentWidths(const std::vector<double>& fractions, int width)
{
    std::vector<int> widths;
    for (size_t i = 0; i + 1 < fractions.size(); ++i) {
        const double share = fractions[i] * width;
        // Device figures can make any double; keep the cast defined.
        if (!(share > 0.0))
            widths.push_back(0);
        else if (share >= width)
            widths.push_back(width);
        else
            widths.push_back(static_cast<int>(share));
    }
    return widths;
}

wxBitmap SKHistogramCtrl::RenderBar(const wxSize& size) const
{
    if (parts_.empty() || size.x <= 0 || size.y <= 0)
        return wxNullBitmap;
    const wxRect whole(size);
    const SkHistogramPart& last = *parts_.back();
    wxBitmap bar = last.image && last.image->IsOk() ? TiledPiece(*last.image, whole) : TransparentBitmap(size);

    std::vector<double> fractions;
    for (const auto& part : parts_)
        fractions.push_back(part->fraction);
    const std::vector<int> widths = SegmentWidths(fractions, size.x);
    int x = 0;
    for (size_t i = 0; i < widths.size() && x < size.x; ++i) {
        const wxRect segment = wxRect(x, 0, widths[i], size.y).Intersect(whole);
        x += widths[i];
        const wxBitmap* image = parts_[i]->image.get();
        if (segment.IsEmpty() || image == nullptr || !image->IsOk())
            continue;
        // Patterns line up with the bar's origin, as a pattern brush would.
        PasteBitmap(bar, TiledPiece(*image, segment), segment.x, 0);
    }
    return bar;
}

void SKHistogramCtrl::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    const wxSize size = GetClientSize();
    const wxBitmap bar = RenderBar(size);
    if (!bar.IsOk())
        return;
    dc.SetPen(*wxLIGHT_GREY_PEN);
    dc.SetBrush(wxBrush(bar));
    dc.DrawRoundedRectangle(0, 0, size.x, size.y, cornerRadius_);
}

void SKHistogramCtrl::OnEraseBackground(wxEraseEvent& event)
{
    if (!background_ || !background_->IsOk() || GetParent() == nullptr) {
        event.Skip();
        return;
    }
    const wxSize parentSize = GetParent()->GetClientSize();
    const wxRect rect = GetRect();
    wxASSERT(rect.x >= 0 && rect.x < parentSize.x);
    wxASSERT(rect.y >= 0 && rect.y < parentSize.y);
    DrawTiledParentPiece(this, *background_, event.GetDC());
}

void SKHistogramCtrl::OnSize(wxSizeEvent& event)
{
    Refresh(true);
    Update();
    event.Skip();
}
