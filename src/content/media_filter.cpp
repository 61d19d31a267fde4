#include "content/media_filter.h"

#include <unordered_set>

#include <wx/intl.h>

std::vector<wxString> BuildFilterRows(const PublicListViewCopy& copy, FilterColumn column)
{
    std::vector<wxString> rows;
    rows.push_back(_("(All)"));
    if (copy.List() != ContentList::Media)
        return rows;
    const int text = MediaTextOf(column);
    std::unordered_set<wxString> seen;
    for (size_t i = 0; i < copy.Count(); ++i) {
        const wxString& value = copy.Item(i).texts[text];
        if (seen.insert(value).second)
            rows.push_back(value);
    }
    return rows;
}

std::vector<size_t> FilterMediaRows(const PublicListViewCopy& copy, FilterColumn column,
                                    const std::vector<wxString>& filterRows, size_t chosenRow)
{
    if (chosenRow == 0)
        return copy.AllRows();
    if (chosenRow >= filterRows.size())
        return std::vector<size_t>();
    return copy.MatchFilter(column, filterRows[chosenRow]);
}
