#include "folder_device_locator.h"

#include "folder_device.h"
#include "plist_file.h"

#include <sys/stat.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace devicekit {

std::string FolderDeviceLocator::IdOf(const std::string& canonicalFolder)
{
    // FNV-1a, 64 bits: stable across runs and builds, unlike std::hash.
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : canonicalFolder) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char id[32];
    std::snprintf(id, sizeof id, "folder-%016" PRIx64, hash);
    return id;
}

std::vector<FolderDeviceEntry> FolderDeviceLocator::List()
{
    std::vector<FolderDeviceEntry> entries;
    const char* variable = std::getenv(kVariable);
    if (!variable)
        return entries;
    const std::string folders(variable);
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        const std::string folder = folders.substr(start, end - start);
        start = end + 1;
        if (folder.empty())
            continue;
        std::unique_ptr<char, decltype(&free)> real(realpath(folder.c_str(), nullptr), &free);
        struct stat info {};
        if (!real || stat(real.get(), &info) != 0 || !S_ISDIR(info.st_mode))
            continue;
        FolderDeviceEntry entry;
        entry.folder = real.get();
        entry.id = IdOf(entry.folder);
        bool seen = false;
        for (const FolderDeviceEntry& other : entries)
            seen = seen || other.id == entry.id;
        if (seen)
            continue;
        PlistPtr infoPlist = PlistFile::Read(entry.folder + "/" + FolderDevice::kInfoFile);
        entry.type = PlistFile::GetString(infoPlist.get(), FolderDevice::kConnectionTypeKey);
        if (entry.type.empty())
            entry.type = kFolderType;
        entries.push_back(entry);
    }
    return entries;
}

bool FolderDeviceLocator::Find(const char* id, FolderDeviceEntry* entry)
{
    if (!id)
        return false;
    for (const FolderDeviceEntry& candidate : List()) {
        if (candidate.id == id) {
            *entry = candidate;
            return true;
        }
    }
    return false;
}

} // namespace devicekit
