#include "plist_file.h"

#include "plist_depth_guard.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace devicekit {

namespace {

// Reads a whole regular file; false for anything else (a FIFO must not block us).
bool ReadWholeFile(const std::string& path, std::vector<char>* bytes)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat info {};
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
              static_cast<std::uint64_t>(info.st_size) <= PlistFile::kMaxBytes;
    if (ok) {
        bytes->resize(static_cast<size_t>(info.st_size));
        size_t done = 0;
        while (done < bytes->size()) {
            const ssize_t got = read(fd, bytes->data() + done, bytes->size() - done);
            if (got < 0) {
                ok = false;
                break;
            }
            if (got == 0)
                break; // the file shrank while we read it
            done += static_cast<size_t>(got);
        }
        bytes->resize(done);
    }
    close(fd);
    return ok;
}

} // namespace

PlistPtr PlistFile::Read(const std::string& path)
{
    std::vector<char> bytes;
    if (!ReadWholeFile(path, &bytes) || bytes.empty() || !PlistDepthGuard::Accepts(bytes.data(), bytes.size()))
        return PlistPtr();
    plist_t root = nullptr;
    plist_from_memory(bytes.data(), static_cast<uint32_t>(bytes.size()), &root);
    return PlistPtr(root);
}

plist_t PlistFile::GetTyped(plist_t dict, const char* key, plist_type type)
{
    if (!dict || plist_get_node_type(dict) != PLIST_DICT)
        return nullptr;
    plist_t node = plist_dict_get_item(dict, key);
    return node && plist_get_node_type(node) == type ? node : nullptr;
}

void PlistFile::ForEachDict(plist_t array, const std::function<void(plist_t)>& visit)
{
    if (!array || plist_get_node_type(array) != PLIST_ARRAY)
        return;
    plist_array_iter iterator = nullptr;
    plist_array_new_iter(array, &iterator);
    if (!iterator)
        return;
    for (;;) {
        plist_t element = nullptr;
        plist_array_next_item(array, iterator, &element);
        if (!element)
            break;
        if (plist_get_node_type(element) == PLIST_DICT)
            visit(element);
    }
    free(iterator);
}

bool PlistFile::HasString(plist_t dict, const char* key)
{
    return GetTyped(dict, key, PLIST_STRING) != nullptr;
}

std::string PlistFile::GetString(plist_t dict, const char* key, const std::string& fallback)
{
    plist_t node = GetTyped(dict, key, PLIST_STRING);
    if (!node)
        return fallback;
    uint64_t length = 0;
    const char* text = plist_get_string_ptr(node, &length);
    return text ? std::string(text, static_cast<size_t>(length)) : fallback;
}

bool PlistFile::GetUint(plist_t dict, const char* key, std::uint64_t* value)
{
    plist_t node = GetTyped(dict, key, PLIST_UINT);
    if (!node)
        return false;
    uint64_t number = 0;
    plist_get_uint_val(node, &number);
    *value = number;
    return true;
}

bool PlistFile::GetFlag(plist_t dict, const char* key)
{
    if (plist_t node = GetTyped(dict, key, PLIST_BOOLEAN))
        return plist_bool_val_is_true(node) != 0;
    std::uint64_t number = 0;
    return GetUint(dict, key, &number) && number != 0;
}

} // namespace devicekit
