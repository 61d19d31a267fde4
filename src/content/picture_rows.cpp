#include "content/picture_rows.h"

#include <cstdint>

#include "app/text_format.h"
#include "content/display_name.h"
#include "device/plist_fields.h"

namespace {

// Calls visit(item) for each dict of the category's "item" array.
template <typename Visit>
void ForEachPicture(plist_t category, Visit visit)
{
    ForEachArrayElement(DictMember(category, "item", PLIST_ARRAY), [&](plist_t item) {
        if (plist_get_node_type(item) == PLIST_DICT)
            visit(item);
    });
}

size_t PictureCount(plist_t category)
{
    plist_t items = DictMember(category, "item", PLIST_ARRAY);
    return items != nullptr ? plist_array_get_size(items) : 0;
}

} // namespace

std::vector<PictureRow> BuildPictureRows(plist_t category)
{
    std::vector<PictureRow> rows;
    rows.reserve(PictureCount(category));
    ForEachPicture(category, [&](plist_t item) {
        PictureRow row;
        row.record.path = DictString(item, "path");
        row.texts[0] = DisplayNameOfPath(row.record.path);
        row.texts[1] = DictString(item, "time");
        if (DictUint(item, "size", row.record.size))
            row.texts[2] = FormatSize(row.record.size);
        rows.push_back(std::move(row));
    });
    return rows;
}

std::vector<PictureIconViewData> BuildPictureIcons(plist_t category, int firstImageIndex)
{
    std::vector<PictureIconViewData> icons;
    icons.reserve(PictureCount(category));
    ForEachPicture(category, [&](plist_t item) {
        PictureIconViewData icon;
        icon.imageIndex = firstImageIndex + static_cast<int>(icons.size());
        DictUint(item, "size", icon.size);
        icon.path = DictString(item, "path");
        icon.name = DisplayNameOfPath(icon.path);
        icons.push_back(std::move(icon));
    });
    return icons;
}
