#ifndef DEVICEKIT_PLIST_FILE_H
#define DEVICEKIT_PLIST_FILE_H
// Reading property list files of a folder device, and the owning holder the
// library uses for every plist it builds before handing it to the caller.

#include <plist/plist.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace devicekit {

struct PlistDeleter {
    void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
// Owns one plist tree; release() hands it to the caller of a service entry.
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

class PlistFile {
public:
    // The largest file read; a bigger one is treated as malformed.
    static constexpr std::uint64_t kMaxBytes = 256u * 1024u * 1024u;

    // Parses an XML or binary plist. Null when the file is missing, too large
    // or not a plist.
    static PlistPtr Read(const std::string& path);

    // Typed reads of a dict member; a missing key or a wrong type gives the
    // fallback (or false for Has*).
    static bool HasString(plist_t dict, const char* key);
    static std::string GetString(plist_t dict, const char* key, const std::string& fallback = "");
    static bool GetUint(plist_t dict, const char* key, std::uint64_t* value);
    // A flag given either as a boolean or as an integer (nonzero is true).
    static bool GetFlag(plist_t dict, const char* key);
    // The member if it has the wanted type, else null.
    static plist_t GetTyped(plist_t dict, const char* key, plist_type type);
    // Calls visit for each element of an array that is a dict, in order.
    // Parsed arrays have no index in libplist 2.2, so reading them with
    // plist_array_get_item costs a walk per item; this walks once.
    static void ForEachDict(plist_t array, const std::function<void(plist_t)>& visit);
};

} // namespace devicekit

#endif
