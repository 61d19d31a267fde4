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
    AssignImageList(new wxImageList(kPictureSize, kPictureSize, true), wxIMAGE_LIST_NORMAL);
}

PictureIconView::~PictureIconView()
{
    Clear();
}

void PictureIconView::Clear()
{
    // The items point at the records: remove them first.
    DeleteAllItems();
    records_.clear();
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
}

PictureIconViewData* PictureIconView::Record(long item) const
{
    return reinterpret_cast<PictureIconViewData*>(GetItemData(item));
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
