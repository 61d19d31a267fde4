#ifndef DEVICEKIT_FOLDER_DEVICE_H
#define DEVICEKIT_FOLDER_DEVICE_H
// A device kept in a folder on the computer: device.plist describes it,
// lists/ holds its eleven content lists, records/ its contacts, messages,
// notes and bookmarks, and files/ its files under their device paths (the
// layout is documented in the library's README). Read-only and immutable
// once open, so one object may serve several threads at once.

#include "devicekit/devicekit.h"
#include "device_path_resolver.h"
#include "plist_file.h"

#include <string>

namespace devicekit {

class FolderDevice {
public:
    static constexpr const char* kInfoFile = "device.plist";
    static constexpr const char* kConnectionTypeKey = "ConnectionType";
    static constexpr const char* kInitializeResultKey = "InitializeResult";

    enum class List { Music, Playlists, Movies, Podcasts, TvShows, Audiobooks, VoiceMemos, Ringtones,
                      Photos, Books, CameraRoll };

    // folder: the canonical device folder.
    explicit FolderDevice(const std::string& folder);

    // The result the folder declares under "InitializeResult" (0 without one).
    int Initialize(const char* workingFolder) const;
    PlistPtr GetDeviceInfo() const;
    // The list in its exact shape; null when its file is missing or unusable.
    PlistPtr GetList(List list) const;
    int CopyFileToLocal(const char* devicePath, const char* localPath, PodProgressCallback progress) const;
    int CopyFolderToLocal(const char* devicePath, const char* localFolder, PodProgressCallback progress) const;
    bool IsFolder(const char* devicePath) const;

    // Path of a file of the list or record folders, e.g. RecordPath("contacts").
    static std::string ListPath(const std::string& folder, List list);
    static std::string RecordPath(const std::string& folder, const char* name);

private:
    std::string folder_;
    DevicePathResolver files_;
};

} // namespace devicekit

#endif
