#pragma once
// The record of a media row (music to voice memos). Each row owns its record;
// the list deletes it with the row. The export and the selection summaries
// read it.

#include <cstdint>

#include <wx/clntdata.h>
#include <wx/string.h>

class PublicListViewData : public wxClientData {
public:
    PublicListViewData() = default;
    PublicListViewData(int kind, std::uint64_t size, const wxString& path, const wxString& collection)
        : kind(kind), size(size), path(path), collection(collection)
    {
    }

    int kind = 0;             // category code of the loader that made the row (1 to 11)
    std::uint64_t size = 0;   // bytes; 0 for books
    wxString path;            // the item's location on the device
    wxString collection;      // shelf of a book row, playlist of a playlist row, else empty
};
