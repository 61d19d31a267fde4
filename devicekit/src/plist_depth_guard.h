#ifndef DEVICEKIT_PLIST_DEPTH_GUARD_H
#define DEVICEKIT_PLIST_DEPTH_GUARD_H
// libplist parses nested arrays and dicts recursively, so a file nested a
// million levels deep overflows the stack (XML), or spends hours checking
// for reference loops (binary). This check runs first, without recursion,
// and turns such a file away; so it does a binary plist whose shared objects
// would expand to billions of nodes.

#include <cstddef>
#include <cstdint>

namespace devicekit {

class PlistDepthGuard {
public:
    // Far deeper than any list of a device needs.
    static constexpr int kMaxDepth = 256;
    // The most nodes a binary plist may expand to (its shared objects are
    // copied once per reference).
    static constexpr std::uint64_t kMaxNodes = 32u * 1024u * 1024u;

    // True when the XML or binary plist in data nests containers at most
    // kMaxDepth deep (and, for a binary plist, its object table is sound and
    // free of loops). Anything else is false.
    static bool Accepts(const char* data, size_t size);

private:
    static bool AcceptsXml(const char* data, size_t size);
    static bool AcceptsBinary(const unsigned char* data, size_t size);
};

} // namespace devicekit

#endif
