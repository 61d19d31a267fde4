#include "window/client/picture_icon_view.h"

#include <wx/imaglist.h>

#include "common/image_util.h"
#include "content/picture_rows.h"

namespace {

const char kPlaceholderImage[] = "image/client/picture-view/unload_picture.png";

} // namespace

PictureIconView::PictureIconView(wxWindow* parent, wxWindowID id)
    : wxListView(parent, id, wxDefaultPosition, wxDefaultSize, wxLC_ICON | wxLC_AUTOARRANGE)
{
    // Without masks: the pictures carry their own alpha, and a list with masks
    // makes a private copy of every picture added (the placeholder once per
    // item), which doubled the time of each thumbnail delivery.
    AssignImageList(new wxImageList(kPictureSize, kPictureSize, false), wxIMAGE_LIST_NORMAL);
    repaintTimer_.SetOwner(this);
    Bind(wxEVT_TIMER, &PictureIconView::OnRepaintTimer, this, repaintTimer_.GetId());
}

PictureIconView::~PictureIconView()
{
    Clear();
}

void PictureIconView::Clear()
{
    // The items point at the records: remove them first.
    DeleteAllItems();
    itemsToRepaint_.clear();
    records_.clear();
    loadOrder_.Reset(0);
    if (wxImageList* images = GetImageList(wxIMAGE_LIST_NORMAL))
        images->RemoveAll();
}

void PictureIconView::LoadPictureIcons(plist_t category)
{
    Clear();
    wxImageList* images = GetImageList(wxIMAGE_LIST_NORMAL);
    wxBitmap placeholder = GetThemeBitmap(kPlaceholderImage);
    if (placeholder.IsOk() && (placeholder.GetWidth() != kPictureSize || placeholder.GetHeight() != kPictureSize))
        placeholder = wxBitmap(placeholder.ConvertToImage().Rescale(kPictureSize, kPictureSize));
    if (!placeholder.IsOk())
        placeholder = TransparentBitmap(wxSize(kPictureSize, kPictureSize));

    std::vector<PictureIconViewData> icons = BuildPictureIcons(category, images->GetImageCount());
    records_.reserve(icons.size());
    Freeze();
    for (size_t i = 0; i < icons.size(); ++i) {
        images->Add(placeholder);
        records_.push_back(std::make_unique<PictureIconViewData>(icons[i]));
        const long item = InsertItem(static_cast<long>(i), wxString(), records_.back()->imageIndex);
        SetItemPtrData(item, reinterpret_cast<wxUIntPtr>(records_.back().get()));
    }
    Thaw();
    loadOrder_.Reset(records_.size());
}

PictureIconViewData* PictureIconView::Record(long item) const
{
    return reinterpret_cast<PictureIconViewData*>(GetItemData(item));
}

void PictureIconView::MarkLoaded(long item, const wxImage* thumbnail)
{
    if (item < 0 || item >= GetItemCount())
        return;
    loadOrder_.MarkLoaded(item);
    PictureIconViewData* record = Record(item);
    if (record == nullptr)
        return;
    record->loaded = true;
    wxImageList* images = GetImageList(wxIMAGE_LIST_NORMAL);
    if (thumbnail == nullptr || !thumbnail->IsOk() || images == nullptr || record->imageIndex < 0 ||
        record->imageIndex >= images->GetImageCount())
        return;
    images->Replace(record->imageIndex, wxBitmap(*thumbnail));

    wxRect rect;
    if (!GetItemRect(item, rect) || !rect.Intersects(wxRect(GetClientSize())))
        return;  // scrolling it into view paints it
    itemsToRepaint_.push_back(item);
    if (!repaintTimer_.IsRunning())
        repaintTimer_.StartOnce(kRepaintDelayMs);
}

void PictureIconView::OnRepaintTimer(wxTimerEvent&)
{
    for (long item : itemsToRepaint_) {
        if (item < GetItemCount())
            RefreshItem(item);
    }
    itemsToRepaint_.clear();
}

long PictureIconView::FirstVisibleItem() const
{
    // The items are laid out in index order, in columns from the left that
    // scroll sideways (GTK's list control) or in rows from the top that
    // scroll down (elsewhere). Either way the items that lie wholly left of
    // or above the visible area form a prefix: find its end.
    long low = 0;
    long high = GetItemCount();
    while (low < high) {
        const long middle = low + (high - low) / 2;
        wxRect rect;
        if (GetItemRect(middle, rect) && (rect.GetRight() < 0 || rect.GetBottom() < 0))
            low = middle + 1;
        else
            high = middle;
    }
    return low < GetItemCount() ? low : -1;
}

SelectionSummary PictureIconView::SelectedSummary() const
{
    SelectionSummary summary;
    for (long item = GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); item != -1;
         item = GetNextItem(item, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) {
        ++summary.count;
        if (const PictureIconViewData* record = Record(item))
            summary.totalSize += record->size;
    }
    return summary;
}
