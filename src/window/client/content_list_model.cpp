#include "window/client/content_list_model.h"

#include <utility>

#include "content/cell_text.h"

ContentListModel::ContentListModel(ContentList list) : wxDataViewVirtualListModel(0), list_(list) {}

void ContentListModel::Load(std::shared_ptr<const Rows> rows, const wxBitmap& icon)
{
    rows_ = std::move(rows);
    icon_ = icon;
    std::vector<size_t> all(LoadedCount());
    for (size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    shown_ = std::move(all);
    ResetTicks();
    Reset(static_cast<unsigned int>(shown_.size()));
}

void ContentListModel::ShowRows(const std::vector<size_t>& indices)
{
    shown_.clear();
    shown_.reserve(indices.size());
    for (size_t index : indices)
        if (index < LoadedCount())
            shown_.push_back(index);
    ResetTicks();
    Reset(static_cast<unsigned int>(shown_.size()));
}

void ContentListModel::Clear()
{
    rows_.reset();
    shown_.clear();
    ResetTicks();
    Reset(0);
}

void ContentListModel::ResetTicks()
{
    // Media and picture rows count their bytes; record rows only their number.
    if (list_ == ContentList::Media || list_ == ContentList::Pictures) {
        std::vector<std::uint64_t> sizes(shown_.size());
        for (size_t row = 0; row < shown_.size(); ++row)
            sizes[row] = ShownRow(row).size;
        ticks_.Reset(std::move(sizes));
    } else {
        ticks_.Reset(shown_.size());
    }
}

unsigned int ContentListModel::GetColumnCount() const
{
    return 2 + TextColumnCount(list_);
}

wxString ContentListModel::GetColumnType(unsigned int column) const
{
    if (column == 0)
        return "bool";
    if (column == 1)
        return "wxBitmap";
    return "string";
}

void ContentListModel::GetValueByRow(wxVariant& value, unsigned int row, unsigned int column) const
{
    if (row >= shown_.size()) {
        value = wxString();
        return;
    }
    if (column == 0) {
        value = ticks_.IsTicked(row);
    } else if (column == 1) {
        value << icon_;
    } else {
        const int text = static_cast<int>(column) - 2;
        value = text < ContentRow::kMaxTexts ? CellText(ShownRow(row).texts[text]) : wxString();
    }
}

bool ContentListModel::SetValueByRow(const wxVariant& value, unsigned int row, unsigned int column)
{
    if (column != 0 || row >= shown_.size())
        return false;
    ticks_.SetTicked(row, value.GetBool());
    return true;
}
