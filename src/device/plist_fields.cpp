#include "device/plist_fields.h"

plist_t DictMember(plist_t dict, const char* key, plist_type type)
{
    if (dict == nullptr || plist_get_node_type(dict) != PLIST_DICT)
        return nullptr;
    plist_t item = plist_dict_get_item(dict, key);
    if (item == nullptr || plist_get_node_type(item) != type)
        return nullptr;
    return item;
}

wxString DictString(plist_t dict, const char* key)
{
    plist_t item = DictMember(dict, key, PLIST_STRING);
    if (item == nullptr)
        return wxString();
    // The library's own buffer: nothing to copy out and release.
    std::uint64_t length = 0;
    const char* text = plist_get_string_ptr(item, &length);
    if (text == nullptr || length == 0)
        return wxString();
    // Most texts are plain ASCII, which needs no decoding.
    for (std::uint64_t i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return wxString::FromUTF8(text, static_cast<size_t>(length));
    }
    return wxString::FromAscii(text, static_cast<size_t>(length));
}

bool DictHasString(plist_t dict, const char* key)
{
    return DictMember(dict, key, PLIST_STRING) != nullptr;
}

bool DictUint(plist_t dict, const char* key, std::uint64_t& value)
{
    value = 0;
    plist_t item = DictMember(dict, key, PLIST_UINT);
    if (item == nullptr)
        return false;
    plist_get_uint_val(item, &value);
    return true;
}
