#ifndef DEVICEKIT_FOLDER_LISTING_H
#define DEVICEKIT_FOLDER_LISTING_H
// The names in one local folder, sorted, without "." and "..": the copy and
// the packer walk trees in this order so their results do not depend on the
// file system's order.

#include <string>
#include <vector>

namespace devicekit {

class FolderListing {
public:
    // False when the folder cannot be read.
    static bool SortedNames(const std::string& folder, std::vector<std::string>* names);
};

} // namespace devicekit

#endif
