#pragma once
// The record of a row of the camera-roll or photo list view, owned by its row.

#include <cstdint>

#include <wx/clntdata.h>
#include <wx/string.h>

class PictureListViewData : public wxClientData {
public:
    PictureListViewData() = default;
    PictureListViewData(std::uint64_t size, const wxString& path) : size(size), path(path) {}

    std::uint64_t size = 0;  // bytes
    wxString path;           // the picture's location on the device
};
