#include "folder_listing.h"

#include <dirent.h>

#include <algorithm>

namespace devicekit {

bool FolderListing::SortedNames(const std::string& folder, std::vector<std::string>* names)
{
    names->clear();
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return false;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names->push_back(name);
    }
    closedir(dir);
    std::sort(names->begin(), names->end());
    return true;
}

} // namespace devicekit
