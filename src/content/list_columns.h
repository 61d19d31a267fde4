#pragma once
// The columns of the content view's lists: kind, title, width and alignment.
// The width is the least a column gets; the list widens a column whose title
// or widest text would not fit in it.
// Titles are translated when asked for, so a language change asks again.

#include <vector>

#include <wx/defs.h>
#include <wx/string.h>

#include "content/content_list.h"
#include "content/public_list_view_copy.h"

enum class ColumnType {
    Check,  // activatable check box, headed "√" (never translated)
    Icon,   // the row's type icon, headed "Type"
    Text,
};

struct ListColumn {
    ColumnType type = ColumnType::Text;
    wxString title;
    int width = 0;
    wxAlignment cellAlignment = wxALIGN_CENTER;
    wxAlignment headerAlignment = wxALIGN_CENTER;
    // The widest text a cell of this column can show, for columns whose texts
    // have a bounded form (durations, sizes); empty for free text.
    wxString widestText;
};

// Every column of a list from column 0 on: check, icon, then the text
// columns in the order of ContentRow::texts (PictureRow::texts for pictures).
std::vector<ListColumn> ListColumns(ContentList list);

// The one text column of the genre, artist or album filter list.
ListColumn FilterListColumn(FilterColumn column);
