#pragma once
// The record of an item of the camera-roll or photo icon view. The icon view
// holds it as an untyped pointer; whoever removes the item deletes it first.

#include <cstdint>

#include <wx/string.h>

class PictureIconViewData {
public:
    virtual ~PictureIconViewData() = default;

    bool loaded = false;      // the thumbnail has been delivered (or failed for good)
    int imageIndex = 0;       // the item's picture in the icon view's image list
    std::uint64_t size = 0;   // bytes
    wxString name;            // display name of the path, used as the exported file's name
    wxString path;            // the picture's location on the device
};
