#pragma once
// One row of the media list or of a record list (contacts, conversations,
// notes, bookmarks) as the loaders build it, without the type icon (the same
// for every row of a load): the check box, the text cells from column 2 on,
// and what the row's record holds.
//
// A media row's list gets a new PublicListViewData made from kind, size, path
// and collection. A record row's list gets rowRecord itself, which points into
// the DeviceTable's record lists and is never owned by the row.

#include <cstdint>

#include <wx/string.h>

struct ContentRow {
    static constexpr int kMaxTexts = 6;

    bool checked = false;  // column 0; loaders always append unchecked rows

    // Columns 2, 3, ... of the list in order; a list uses the first
    // TextColumnCount(list) of them, the rest stay empty.
    wxString texts[kMaxTexts];

    // Media rows only.
    int kind = 0;
    std::uint64_t size = 0;
    wxString path;
    wxString collection;

    // Record rows only: the HandoverContact, HandoverConversation,
    // HandoverNote or HandoverBookmark the row shows. Owned by the DeviceTable.
    void* rowRecord = nullptr;
};
