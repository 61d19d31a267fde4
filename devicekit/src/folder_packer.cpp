#include "folder_packer.h"

#include "devicekit/devicekit.h"
#include "folder_listing.h"

#include <zip.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace devicekit {

namespace {

constexpr const char* kMimetype = "mimetype";
constexpr size_t kMaxDepth = 128;

struct PackEntry {
    std::string name; // inside the archive, "/"-separated
    bool folder = false;
    time_t modified = 0;
};

// Lists the tree in name order, folders before their contents.
void Collect(const std::string& folder, const std::string& prefix, size_t depth, std::vector<PackEntry>* entries)
{
    if (depth > kMaxDepth)
        return;
    std::vector<std::string> names;
    if (!FolderListing::SortedNames(folder, &names))
        return;
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0)
            continue;
        if (S_ISDIR(info.st_mode)) {
            entries->push_back({prefix + name + "/", true, info.st_mtime});
            Collect(path, prefix + name + "/", depth + 1, entries);
        } else if (S_ISREG(info.st_mode)) {
            entries->push_back({prefix + name, false, info.st_mtime});
        }
    }
}

// libzip removes an archive without entries instead of writing it; an empty
// folder still deserves an (empty) archive.
int WriteEmptyArchive(const std::string& target)
{
    static const unsigned char endOfCentralDirectory[22] = {0x50, 0x4b, 0x05, 0x06};
    const std::string temporary = target + "." + std::to_string(getpid()) + ".part";
    FILE* file = std::fopen(temporary.c_str(), "wbx");
    if (!file)
        return -1;
    const bool written = std::fwrite(endOfCentralDirectory, 1, sizeof endOfCentralDirectory, file) ==
                         sizeof endOfCentralDirectory;
    if (std::fclose(file) == 0 && written && std::rename(temporary.c_str(), target.c_str()) == 0)
        return 0;
    std::remove(temporary.c_str());
    return -1;
}

// Adds a file or folder entry with the modification time of its source, so
// packing the same tree twice gives the same archive.
bool AddEntry(zip_t* archive, const std::string& sourceFolder, const PackEntry& entry, bool stored)
{
    zip_int64_t index = -1;
    if (entry.folder) {
        index = zip_dir_add(archive, entry.name.c_str(), ZIP_FL_ENC_UTF_8);
    } else {
        zip_source_t* source = zip_source_file(archive, (sourceFolder + "/" + entry.name).c_str(), 0, -1);
        if (!source)
            return false;
        index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0)
            zip_source_free(source);
    }
    if (index < 0)
        return false;
    const zip_uint64_t position = static_cast<zip_uint64_t>(index);
    if (zip_file_set_mtime(archive, position, entry.modified, 0) != 0)
        return false;
    return !stored || zip_set_file_compression(archive, position, ZIP_CM_STORE, 0) == 0;
}

} // namespace

int FolderPacker::Pack(const std::string& sourceFolder, const std::string& targetFile)
{
    struct stat info {};
    if (sourceFolder.empty() || targetFile.empty() || stat(sourceFolder.c_str(), &info) != 0 ||
        !S_ISDIR(info.st_mode))
        return -1;
    std::vector<PackEntry> entries;
    Collect(sourceFolder, std::string(), 0, &entries);
    if (entries.empty())
        return WriteEmptyArchive(targetFile);

    int error = 0;
    zip_t* archive = zip_open(targetFile.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return -1;
    bool ok = true;
    // The EPUB container wants "mimetype" as the first entry, uncompressed.
    auto mimetype = std::find_if(entries.begin(), entries.end(),
                                 [](const PackEntry& entry) { return !entry.folder && entry.name == kMimetype; });
    if (mimetype != entries.end()) {
        ok = AddEntry(archive, sourceFolder, *mimetype, true);
        entries.erase(mimetype);
    }
    for (auto entry = entries.begin(); ok && entry != entries.end(); ++entry)
        ok = AddEntry(archive, sourceFolder, *entry, false);
    if (ok && zip_close(archive) == 0)
        return 0;
    zip_discard(archive);
    return -1;
}

} // namespace devicekit

extern "C" int PackFolder(const char* sourceFolder, const char* targetFile)
{
    if (!sourceFolder || !targetFile)
        return -1;
    return devicekit::FolderPacker::Pack(sourceFolder, targetFile);
}
