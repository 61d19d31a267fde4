#include "plist_depth_guard.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace devicekit {

namespace {

bool StartsWith(const char* data, size_t size, size_t at, const char* text)
{
    const size_t length = std::strlen(text);
    return at + length <= size && std::memcmp(data + at, text, length) == 0;
}

// Position just after the first occurrence of text at or after from, or size.
size_t After(const char* data, size_t size, size_t from, const char* text)
{
    const size_t length = std::strlen(text);
    for (size_t i = from; i + length <= size; ++i) {
        if (std::memcmp(data + i, text, length) == 0)
            return i + length;
    }
    return size;
}

std::uint64_t BigEndian(const unsigned char* bytes, size_t count)
{
    std::uint64_t value = 0;
    for (size_t i = 0; i < count; ++i)
        value = value << 8 | bytes[i];
    return value;
}

} // namespace

bool PlistDepthGuard::Accepts(const char* data, size_t size)
{
    if (size >= 8 && std::memcmp(data, "bplist00", 8) == 0)
        return AcceptsBinary(reinterpret_cast<const unsigned char*>(data), size);
    return AcceptsXml(data, size);
}

bool PlistDepthGuard::AcceptsXml(const char* data, size_t size)
{
    int depth = 0;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] != '<')
            continue;
        if (StartsWith(data, size, i, "<!--")) {
            i = After(data, size, i + 4, "-->") - 1;
        } else if (StartsWith(data, size, i, "<![CDATA[")) {
            i = After(data, size, i + 9, "]]>") - 1;
        } else if (StartsWith(data, size, i, "</array") || StartsWith(data, size, i, "</dict")) {
            --depth;
        } else if (StartsWith(data, size, i, "<array") || StartsWith(data, size, i, "<dict")) {
            const size_t end = After(data, size, i, ">");
            const bool empty = end >= 2 && data[end - 2] == '/';
            if (!empty && ++depth > kMaxDepth)
                return false;
        }
    }
    return true;
}

bool PlistDepthGuard::AcceptsBinary(const unsigned char* data, size_t size)
{
    // Trailer: offset size, reference size, object count, root, table offset.
    if (size < 8 + 32)
        return false;
    const unsigned char* trailer = data + size - 32;
    const size_t offsetSize = trailer[6];
    const size_t refSize = trailer[7];
    const std::uint64_t objectCount = BigEndian(trailer + 8, 8);
    const std::uint64_t root = BigEndian(trailer + 16, 8);
    const std::uint64_t tableOffset = BigEndian(trailer + 24, 8);
    if (offsetSize < 1 || offsetSize > 8 || refSize < 1 || refSize > 8 || root >= objectCount ||
        tableOffset >= size - 32 || objectCount > (size - 32 - tableOffset) / offsetSize)
        return false;

    auto objectAt = [&](std::uint64_t index, size_t* offset) {
        *offset = static_cast<size_t>(BigEndian(data + tableOffset + index * offsetSize, offsetSize));
        return *offset >= 8 && *offset < tableOffset;
    };
    // The references of a container object; false when it is not one or is
    // malformed. Sets are containers too.
    auto references = [&](size_t offset, std::vector<std::uint64_t>* refs) {
        refs->clear();
        const unsigned char marker = data[offset];
        const unsigned char kind = marker & 0xf0;
        if (kind != 0xa0 && kind != 0xc0 && kind != 0xd0)
            return true; // a leaf
        std::uint64_t count = marker & 0x0f;
        size_t at = offset + 1;
        if (count == 0x0f) {
            if (at >= tableOffset || (data[at] & 0xf0) != 0x10)
                return false;
            const size_t width = size_t(1) << (data[at] & 0x0f);
            if (width > 8 || at + 1 + width > tableOffset)
                return false;
            count = BigEndian(data + at + 1, width);
            at += 1 + width;
        }
        if (kind == 0xd0)
            count *= 2; // keys, then values
        if (count > (tableOffset - at) / refSize)
            return false;
        for (std::uint64_t i = 0; i < count; ++i) {
            const std::uint64_t ref = BigEndian(data + at + i * refSize, refSize);
            if (ref >= objectCount)
                return false;
            refs->push_back(ref);
        }
        return true;
    };

    // Depth-first walk with an explicit stack; an object met again while it is
    // still on the stack is a loop. Each object is expanded once, and keeps
    // its height and the number of nodes libplist would build for it (shared
    // objects are copied once per reference, so sharing can multiply them).
    enum : unsigned char { kUnseen, kOpen, kDone };
    const size_t count = static_cast<size_t>(objectCount);
    std::vector<unsigned char> state(count, kUnseen);
    std::vector<int> height(count, 0);
    std::vector<std::uint64_t> nodes(count, 0);
    struct Frame {
        std::uint64_t object;
        std::vector<std::uint64_t> refs;
        size_t next;
    };
    auto addChild = [&](std::uint64_t parent, std::uint64_t child) {
        height[parent] = std::max(height[parent], height[child] + 1);
        nodes[parent] = std::min(kMaxNodes, nodes[parent] + nodes[child]);
    };
    std::vector<Frame> stack;
    std::vector<std::uint64_t> refs;
    size_t offset = 0;
    if (!objectAt(root, &offset) || !references(offset, &refs))
        return false;
    stack.push_back({root, refs, 0});
    state[root] = kOpen;
    nodes[root] = 1;
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next == frame.refs.size()) {
            const std::uint64_t done = frame.object;
            state[done] = kDone;
            stack.pop_back();
            if (!stack.empty())
                addChild(stack.back().object, done);
            continue;
        }
        const std::uint64_t child = frame.refs[frame.next++];
        if (state[child] == kOpen)
            return false;
        if (state[child] == kDone) {
            addChild(frame.object, child);
            continue;
        }
        if (stack.size() >= static_cast<size_t>(kMaxDepth) || !objectAt(child, &offset) ||
            !references(offset, &refs))
            return false;
        state[child] = kOpen;
        nodes[child] = 1;
        stack.push_back({child, refs, 0});
    }
    return height[root] <= kMaxDepth && nodes[root] < kMaxNodes;
}

} // namespace devicekit
