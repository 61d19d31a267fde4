#include "plist_fixture.h"

plist_t Dict(std::initializer_list<Member> members)
{
    plist_t dict = plist_new_dict();
    for (const Member& member : members)
        plist_dict_set_item(dict, member.key, member.node);
    return dict;
}

plist_t Array(std::initializer_list<plist_t> elements)
{
    plist_t array = plist_new_array();
    for (plist_t element : elements)
        plist_array_append_item(array, element);
    return array;
}

plist_t ItemList(std::initializer_list<plist_t> items)
{
    return Dict({{"number", static_cast<std::uint64_t>(items.size())}, {"item", Array(items)}});
}

plist_t Song(const char* title, std::uint64_t timeMs, std::uint64_t size, const char* genre, const char* artist,
             const char* album, const char* path)
{
    return Dict({{"title", title},
                 {"genre", genre},
                 {"artist", artist},
                 {"album", album},
                 {"path", path},
                 {"time", timeMs},
                 {"size", size}});
}
