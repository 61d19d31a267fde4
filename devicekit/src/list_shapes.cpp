#include "list_shapes.h"

#include <cstdint>
#include <initializer_list>

namespace devicekit {

namespace {

using Keys = std::initializer_list<const char*>;

const Keys kMediaText = {"title", "genre", "artist", "album", "path"};
const Keys kMediaNumbers = {"time", "size"};
const Keys kVoiceMemoText = {"name", "title", "path"};
const Keys kPictureText = {"path", "time"};
const Keys kPictureNumbers = {"size"};
const Keys kNoKeys = {};

bool IsType(plist_t node, plist_type type)
{
    return node && plist_get_node_type(node) == type;
}

// One item with every wanted key present and typed.
plist_t CleanItem(plist_t source, const Keys& texts, const Keys& numbers)
{
    plist_t item = plist_new_dict();
    for (const char* key : texts)
        plist_dict_set_item(item, key, plist_new_string(PlistFile::GetString(source, key).c_str()));
    for (const char* key : numbers) {
        std::uint64_t value = 0;
        PlistFile::GetUint(source, key, &value);
        plist_dict_set_item(item, key, plist_new_uint(value));
    }
    return item;
}

// Fills target with "number" and "item" from the "item" array of source (an
// absent or mistyped array gives no items).
void AddItems(plist_t target, plist_t source, const Keys& texts, const Keys& numbers)
{
    plist_t items = plist_new_array();
    uint32_t kept = 0;
    PlistFile::ForEachDict(PlistFile::GetTyped(source, "item", PLIST_ARRAY), [&](plist_t element) {
        plist_array_append_item(items, CleanItem(element, texts, numbers));
        ++kept;
    });
    plist_dict_set_item(target, "number", plist_new_uint(kept));
    plist_dict_set_item(target, "item", items);
}

PlistPtr ItemDict(plist_t source, const Keys& texts, const Keys& numbers)
{
    if (!IsType(source, PLIST_DICT))
        return PlistPtr();
    PlistPtr result(plist_new_dict());
    AddItems(result.get(), source, texts, numbers);
    return result;
}

// An array of named groups (playlists, book shelves), each holding items.
PlistPtr GroupArray(plist_t source, const char* nameKey, const Keys& texts, const Keys& numbers)
{
    if (!IsType(source, PLIST_ARRAY))
        return PlistPtr();
    PlistPtr result(plist_new_array());
    PlistFile::ForEachDict(source, [&](plist_t element) {
        plist_t group = plist_new_dict();
        plist_dict_set_item(group, nameKey, plist_new_string(PlistFile::GetString(element, nameKey).c_str()));
        AddItems(group, element, texts, numbers);
        plist_array_append_item(result.get(), group);
    });
    return result;
}

} // namespace

PlistPtr ListShapes::Media(plist_t source)
{
    return ItemDict(source, kMediaText, kMediaNumbers);
}

PlistPtr ListShapes::Playlists(plist_t source)
{
    return GroupArray(source, "name", kMediaText, kMediaNumbers);
}

PlistPtr ListShapes::Books(plist_t source)
{
    return GroupArray(source, "catalog", kMediaText, kNoKeys);
}

PlistPtr ListShapes::VoiceMemos(plist_t source)
{
    return ItemDict(source, kVoiceMemoText, kMediaNumbers);
}

PlistPtr ListShapes::Pictures(plist_t source)
{
    return ItemDict(source, kPictureText, kPictureNumbers);
}

PlistPtr ListShapes::DeviceInfo(plist_t source)
{
    PlistPtr result(plist_new_dict());
    for (const char* key : {"DeviceName", "Type", "Version", "SerialNumber"}) {
        if (PlistFile::HasString(source, key))
            plist_dict_set_item(result.get(), key, plist_new_string(PlistFile::GetString(source, key).c_str()));
    }
    for (const char* key : {"Catacity", "Audio", "Video", "Photos", "Others", "Available"}) {
        std::uint64_t value = 0;
        if (PlistFile::GetUint(source, key, &value))
            plist_dict_set_item(result.get(), key, plist_new_uint(value));
    }
    return result;
}

} // namespace devicekit
