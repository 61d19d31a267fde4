#ifndef DEVICEKIT_FOLDER_DEVICE_LOCATOR_H
#define DEVICEKIT_FOLDER_DEVICE_LOCATOR_H
// Finds the folder devices named in the HANDOVER_DEVICES environment variable
// (folders separated by ':'), read afresh on every call so that a change of
// the variable shows at the next detection.

#include <string>
#include <vector>

namespace devicekit {

struct FolderDeviceEntry {
    std::string folder; // canonical path of the device folder
    std::string id;     // "folder-" + 16 hex digits: a safe single path component
    std::string type;   // "path", or the connection type the folder declares
};

class FolderDeviceLocator {
public:
    static constexpr const char* kVariable = "HANDOVER_DEVICES";
    static constexpr const char* kFolderType = "path";

    // Every existing folder of the variable, once each, in the variable's order.
    static std::vector<FolderDeviceEntry> List();
    // The listed folder with this id; false when none has it.
    static bool Find(const char* id, FolderDeviceEntry* entry);
    // The id of a canonical folder path: a hash of the path, stable as long
    // as the folder stays where it is.
    static std::string IdOf(const std::string& canonicalFolder);
};

} // namespace devicekit

#endif
