#pragma once
// Reading the members of the plists the device library hands out. Every
// reader accepts a null or mistyped node and answers as if the member were
// missing, so a list of an unexpected shape gives empty texts, never a crash.

#include <cstdint>
#include <cstdlib>

#include <plist/plist.h>
#include <wx/string.h>

// The string member `key` of a dict decoded as UTF-8; empty when the node is
// not a dict or the member is missing or not a string.
wxString DictString(plist_t dict, const char* key);
bool DictHasString(plist_t dict, const char* key);

// The unsigned integer member `key`; false (and value 0) when missing or of
// another type.
bool DictUint(plist_t dict, const char* key, std::uint64_t& value);

// A member of the given type, or null.
plist_t DictMember(plist_t dict, const char* key, plist_type type);

// Calls visit(element) for each element of an array in order; nothing for a
// null node or one that is not an array. Walks with an iterator: indexing an
// array parsed from a file costs a walk from its start per element.
template <typename Visit>
void ForEachArrayElement(plist_t array, Visit visit)
{
    if (array == nullptr || plist_get_node_type(array) != PLIST_ARRAY)
        return;
    plist_array_iter iter = nullptr;
    plist_array_new_iter(array, &iter);
    if (iter == nullptr)
        return;
    for (;;) {
        plist_t element = nullptr;
        plist_array_next_item(array, iter, &element);
        if (element == nullptr)
            break;
        visit(element);
    }
    std::free(iter);
}
