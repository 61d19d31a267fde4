#include "content/media_rows.h"

#include <cstdint>

#include "app/text_format.h"
#include "content/content_kind.h"
#include "device/plist_fields.h"

namespace {

enum MediaText { kTitle, kTime, kSize, kGenre, kArtist, kAlbum };

// Time and Size cells and the record's size. An item without the number
// shows an empty cell and counts 0 bytes.
void SetTimeAndSize(plist_t item, ContentRow& row)
{
    std::uint64_t time = 0;
    if (DictUint(item, "time", time))
        row.texts[kTime] = FormatDuration(time);
    if (DictUint(item, "size", row.size))
        row.texts[kSize] = FormatSize(row.size);
}

ContentRow MediaRow(int kind, plist_t item, bool withTimeAndSize, const wxString& collection)
{
    ContentRow row;
    row.kind = kind;
    row.texts[kTitle] = DictString(item, "title");
    if (withTimeAndSize)
        SetTimeAndSize(item, row);
    row.texts[kGenre] = DictString(item, "genre");
    row.texts[kArtist] = DictString(item, "artist");
    row.texts[kAlbum] = DictString(item, "album");
    row.path = DictString(item, "path");
    row.collection = collection;
    return row;
}

ContentRow VoiceMemoRow(plist_t item)
{
    ContentRow row;
    row.kind = kKindVoiceMemos;
    row.texts[kTitle] = DictString(item, "name");
    if (row.texts[kTitle].empty())
        row.texts[kTitle] = DictString(item, "title");
    SetTimeAndSize(item, row);
    row.path = DictString(item, "path");
    return row;
}

// Appends makeRow(item) for each dict of the "item" array of a dict.
template <typename MakeRow>
void AppendItems(std::vector<ContentRow>& rows, plist_t dict, MakeRow makeRow)
{
    plist_t items = DictMember(dict, "item", PLIST_ARRAY);
    if (items == nullptr)
        return;
    if (rows.empty())
        rows.reserve(plist_array_get_size(items));
    ForEachArrayElement(items, [&](plist_t item) {
        if (plist_get_node_type(item) == PLIST_DICT)
            rows.push_back(makeRow(item));
    });
}

// One group (a shelf or a playlist) or, when content is an array, every
// group in order. The collection comes from the group's collectionKey.
std::vector<ContentRow> BuildGroupRows(int kind, plist_t content, bool wholeArray, bool withTimeAndSize,
                                       const char* collectionKey)
{
    std::vector<ContentRow> rows;
    auto appendGroup = [&](plist_t group) {
        const wxString collection = DictString(group, collectionKey);
        AppendItems(rows, group, [&](plist_t item) { return MediaRow(kind, item, withTimeAndSize, collection); });
    };
    if (wholeArray)
        ForEachArrayElement(content, appendGroup);
    else if (content != nullptr && plist_get_node_type(content) == PLIST_DICT)
        appendGroup(content);
    return rows;
}

} // namespace

std::vector<ContentRow> BuildMediaRows(int kind, plist_t category)
{
    std::vector<ContentRow> rows;
    AppendItems(rows, category, [kind](plist_t item) { return MediaRow(kind, item, true, wxString()); });
    return rows;
}

std::vector<ContentRow> BuildBookRows(int kind, plist_t content)
{
    return BuildGroupRows(kind, content, kind == kKindBooks, false, "catalog");
}

std::vector<ContentRow> BuildPlaylistRows(int kind, plist_t content)
{
    return BuildGroupRows(kind, content, kind == kKindPlaylists, true, "name");
}

std::vector<ContentRow> BuildVoiceMemoRows(plist_t category)
{
    std::vector<ContentRow> rows;
    AppendItems(rows, category, VoiceMemoRow);
    return rows;
}
