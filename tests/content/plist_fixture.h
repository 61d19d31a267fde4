#pragma once
// Small plists built by the tests in the shapes the device library returns.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include <plist/plist.h>

struct PlistDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

// One member of a dict under construction: a string, an unsigned number or a node.
struct Member {
    Member(const char* key, const char* text) : key(key), node(plist_new_string(text)) {}
    Member(const char* key, std::uint64_t number) : key(key), node(plist_new_uint(number)) {}
    Member(const char* key, plist_t node) : key(key), node(node) {}
    const char* key;
    plist_t node;
};

// A new dict or array that the caller owns (or hands to a parent node).
plist_t Dict(std::initializer_list<Member> members);
plist_t Array(std::initializer_list<plist_t> elements);

// {"number": n, "item": [items]}
plist_t ItemList(std::initializer_list<plist_t> items);

// A song as the media lists hold it.
plist_t Song(const char* title, std::uint64_t timeMs, std::uint64_t size, const char* genre, const char* artist,
             const char* album, const char* path = "/song.mp3");
