#pragma once
// The copies of the rows of the list loaded last (the media list or one of
// the record lists), from which the media filters and the search rebuild
// that list without going back to the device. One instance for the whole
// program, publicListViewCopy, used on the user-interface thread only. It
// owns its items; record pointers in them belong to the DeviceTable.

#include <vector>

#include <wx/string.h>

#include "content/content_list.h"
#include "content/content_row.h"
#include "content/search_index.h"

// One copied row: its cells, its record values and its check box as it was
// when the copy was taken (unchecked, since copies are taken right after a
// load). Rows rebuilt from a copy come back with that state.
using PublicListViewCopyItem = ContentRow;

enum class FilterColumn {
    Genre,   // filter list 301, media column 5
    Artist,  // filter list 302, media column 6
    Album,   // filter list 303, media column 7
};

// The index in ContentRow::texts of a filter's media column (Genres 3,
// Artists 4, Albums 5).
int MediaTextOf(FilterColumn column);

class PublicListViewCopy {
public:
    // Replaces the copies by the rows just loaded into a list (taken over,
    // not copied); iconPath is the theme image of their type icon
    // (TypeIconPath of the loaded kind).
    void Assign(ContentList list, const wxString& iconPath, std::vector<ContentRow> rows);
    void Clear();

    ContentList List() const { return list_; }
    const wxString& IconPath() const { return iconPath_; }
    size_t Count() const { return items_.size(); }
    const PublicListViewCopyItem& Item(size_t index) const { return items_[index]; }

    // Every copy, in order.
    std::vector<size_t> AllRows() const;

    // The copies whose searched columns (SearchedColumns of the list) contain
    // the text in any case, in order; an empty text gives every copy.
    std::vector<size_t> Search(const wxString& text) const;

    // The search of the tool bar's box for the content view's shown sub-view
    // (SearchedListOfSubView): false, and nothing to do, for a picture view or
    // when the copies belong to another list; else rows := Search(text).
    bool SearchSubView(int subViewIndex, const wxString& text, std::vector<size_t>& rows) const;

    // Media copies whose genre, artist or album equals the value in any case,
    // in order. Nothing when the copies are not media rows.
    std::vector<size_t> MatchFilter(FilterColumn column, const wxString& value) const;

private:
    ContentList list_ = ContentList::Media;
    wxString iconPath_;
    std::vector<PublicListViewCopyItem> items_;
    SearchIndex index_;
};

extern PublicListViewCopy publicListViewCopy;
