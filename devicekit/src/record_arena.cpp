#include "record_arena.h"

#include "plist_file.h"

namespace devicekit {

const char* RecordArena::Keep(const std::string& text)
{
    return texts_.emplace_back(text).c_str();
}

const char* RecordArena::Text(plist_t dict, const char* key)
{
    return PlistFile::HasString(dict, key) ? Keep(PlistFile::GetString(dict, key)) : nullptr;
}

} // namespace devicekit
