#pragma once
// Rows of the camera-roll and photo list views and the items of their icon
// views, built from a picture list dict {"item": [{path, time, size}]}. One
// row or item per element, in order.

#include <vector>

#include <plist/plist.h>

#include "content/picture_icon_view_data.h"
#include "content/picture_list_view_data.h"

struct PictureRow {
    // Title (the display name of the path), Time (the device's text, shown
    // as it is), Size.
    wxString texts[3];
    PictureListViewData record;  // the list gets a new copy per row
};

std::vector<PictureRow> BuildPictureRows(plist_t category);

// One record per picture, each not yet loaded, showing image
// firstImageIndex + i of the icon view's image list (the placeholder the
// caller adds for it).
std::vector<PictureIconViewData> BuildPictureIcons(plist_t category, int firstImageIndex = 0);
