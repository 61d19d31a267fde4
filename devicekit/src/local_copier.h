#ifndef DEVICEKIT_LOCAL_COPIER_H
#define DEVICEKIT_LOCAL_COPIER_H
// Copies a file or a folder tree of a folder device to the computer.
//
// A copy is written under a temporary name beside its target and renamed
// only once it is complete, so a failed or abandoned copy (the progress
// callback answered -2) leaves nothing at the target and removes everything
// it wrote. The progress callback hears (total, done) in bytes after every
// 256 KiB and at the end.

#include "devicekit/devicekit.h"
#include "device_path_resolver.h"

#include <cstdint>
#include <string>
#include <vector>

namespace devicekit {

class LocalCopier {
public:
    static constexpr std::uint64_t kChunkBytes = 256u * 1024u;

    explicit LocalCopier(PodProgressCallback progress) : progress_(progress) {}

    // source: a canonical path that the resolver accepted. POD_COPY_* result.
    int CopyFile(const std::string& source, const std::string& target);
    // Copies the tree below sourceFolder into targetFolder, which must not
    // exist yet (or be an empty folder). Links are followed only to files
    // inside the device; other links and anything that is neither a file nor
    // a folder are skipped.
    int CopyFolder(const DevicePathResolver& resolver, const std::string& sourceFolder,
                   const std::string& targetFolder);

private:
    struct Entry {
        std::string relative; // below the copied folder, "/"-separated
        std::string source;   // local path of the device item
        bool folder = false;
        std::uint64_t size = 0;
    };

    // Lists the tree below folder, folders before their contents.
    bool Plan(const DevicePathResolver& resolver, const std::string& folder, const std::string& relative,
              size_t depth, std::vector<Entry>* entries);
    // Copies one open file into an open target; POD_COPY_* result.
    int CopyBytes(int in, int out);
    // False when the caller asked to abandon.
    bool Report();

    PodProgressCallback progress_;
    std::uint64_t total_ = 0;
    std::uint64_t done_ = 0;
    bool reported_ = false;
};

} // namespace devicekit

#endif
