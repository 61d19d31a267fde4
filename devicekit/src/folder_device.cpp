#include "folder_device.h"

#include "list_shapes.h"
#include "local_copier.h"

#include <sys/stat.h>

namespace devicekit {

namespace {

const char* ListFileName(FolderDevice::List list)
{
    switch (list) {
    case FolderDevice::List::Music: return "music";
    case FolderDevice::List::Playlists: return "playlists";
    case FolderDevice::List::Movies: return "movies";
    case FolderDevice::List::Podcasts: return "podcasts";
    case FolderDevice::List::TvShows: return "tv_shows";
    case FolderDevice::List::Audiobooks: return "audiobooks";
    case FolderDevice::List::VoiceMemos: return "voice_memos";
    case FolderDevice::List::Ringtones: return "ringtones";
    case FolderDevice::List::Photos: return "photos";
    case FolderDevice::List::Books: return "books";
    case FolderDevice::List::CameraRoll: return "camera_roll";
    }
    return "";
}

} // namespace

FolderDevice::FolderDevice(const std::string& folder)
    : folder_(folder), files_(folder + "/files")
{
}

std::string FolderDevice::ListPath(const std::string& folder, List list)
{
    return folder + "/lists/" + ListFileName(list) + ".plist";
}

std::string FolderDevice::RecordPath(const std::string& folder, const char* name)
{
    return folder + "/records/" + name + ".plist";
}

int FolderDevice::Initialize(const char* workingFolder) const
{
    if (!workingFolder)
        return -1;
    PlistPtr info = PlistFile::Read(folder_ + "/" + kInfoFile);
    std::uint64_t result = POD_INIT_READY;
    PlistFile::GetUint(info.get(), kInitializeResultKey, &result);
    return static_cast<int>(result);
}

PlistPtr FolderDevice::GetDeviceInfo() const
{
    PlistPtr info = PlistFile::Read(folder_ + "/" + kInfoFile);
    return ListShapes::DeviceInfo(info.get());
}

PlistPtr FolderDevice::GetList(List list) const
{
    PlistPtr source = PlistFile::Read(ListPath(folder_, list));
    switch (list) {
    case List::Playlists: return ListShapes::Playlists(source.get());
    case List::Books: return ListShapes::Books(source.get());
    case List::VoiceMemos: return ListShapes::VoiceMemos(source.get());
    case List::Photos:
    case List::CameraRoll: return ListShapes::Pictures(source.get());
    default: return ListShapes::Media(source.get());
    }
}

int FolderDevice::CopyFileToLocal(const char* devicePath, const char* localPath,
                                  PodProgressCallback progress) const
{
    const std::string source = files_.Resolve(devicePath);
    if (source.empty() || !localPath)
        return POD_COPY_FAILED;
    return LocalCopier(progress).CopyFile(source, localPath);
}

int FolderDevice::CopyFolderToLocal(const char* devicePath, const char* localFolder,
                                    PodProgressCallback progress) const
{
    const std::string source = files_.Resolve(devicePath);
    if (source.empty() || !localFolder)
        return POD_COPY_FAILED;
    return LocalCopier(progress).CopyFolder(files_, source, localFolder);
}

bool FolderDevice::IsFolder(const char* devicePath) const
{
    const std::string resolved = files_.Resolve(devicePath);
    struct stat info {};
    return !resolved.empty() && stat(resolved.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace devicekit
