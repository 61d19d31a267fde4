#include "content/public_list_view_copy.h"

#include <algorithm>
#include <numeric>

PublicListViewCopy publicListViewCopy;

int MediaTextOf(FilterColumn column)
{
    switch (column) {
    case FilterColumn::Genre:
        return 3;
    case FilterColumn::Artist:
        return 4;
    case FilterColumn::Album:
        return 5;
    }
    return 3;
}

void PublicListViewCopy::Assign(ContentList list, const wxString& iconPath, std::vector<ContentRow> rows)
{
    list_ = list;
    iconPath_ = iconPath;
    items_ = std::move(rows);

    const std::vector<int>& columns = SearchedColumns(list);
    index_.Reset(static_cast<int>(columns.size()));
    index_.Reserve(items_.size(), 16 * columns.size());
    for (const PublicListViewCopyItem& item : items_) {
        for (int column : columns)
            index_.AddText(item.texts[column]);
    }
}

void PublicListViewCopy::Clear()
{
    list_ = ContentList::Media;
    iconPath_.clear();
    items_ = std::vector<PublicListViewCopyItem>();
    index_.Reset(0);
}

std::vector<size_t> PublicListViewCopy::AllRows() const
{
    std::vector<size_t> rows(items_.size());
    std::iota(rows.begin(), rows.end(), size_t{0});
    return rows;
}

std::vector<size_t> PublicListViewCopy::Search(const wxString& text) const
{
    if (text.empty())
        return AllRows();
    return index_.RowsContaining(text);
}

bool PublicListViewCopy::SearchSubView(int subViewIndex, const wxString& text, std::vector<size_t>& rows) const
{
    ContentList shown = ContentList::Media;
    if (!SearchedListOfSubView(subViewIndex, shown) || shown != list_)
        return false;
    rows = Search(text);
    return true;
}

std::vector<size_t> PublicListViewCopy::MatchFilter(FilterColumn column, const wxString& value) const
{
    if (list_ != ContentList::Media)
        return std::vector<size_t>();
    // The index holds the searched columns only; the filter columns are among them.
    const std::vector<int>& searched = SearchedColumns(ContentList::Media);
    const auto position = std::find(searched.begin(), searched.end(), MediaTextOf(column));
    return index_.RowsWhereColumnIs(static_cast<int>(position - searched.begin()), value);
}
