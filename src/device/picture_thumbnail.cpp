#include "device/picture_thumbnail.h"

#include <filesystem>
#include <system_error>

#include <devicekit/devicekit.h>
#include <wx/filename.h>
#include <wx/log.h>

#include "app/product_paths.h"
#include "app/trace.h"
#include "device/device_table.h"
#include "device/load_picture_info.h"
#include "device/picture_loader_kind.h"

namespace {

namespace fs = std::filesystem;

constexpr int kCopyTries = 3;
constexpr int kJpegDecodeLimit = 8 * kThumbnailSize;

fs::path ToPath(const wxString& path)
{
    return fs::u8path(path.utf8_string());
}

bool IsPlainName(const wxString& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == wxString::npos;
}

// Anything at the path, a link included and not followed.
bool SomethingExistsAt(const fs::path& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

// The cache folder of the chosen device, made when missing; empty when there
// is no usable one. Call with deviceTableMutex held.
wxString CacheFolder(const DeviceSlot& slot, const char* cacheFolder)
{
    // The id names a folder of ours, so it must be one plain component too.
    if (!IsPlainName(slot.deviceId))
        return wxString();
    const wxString folder = GetUserFilesDir() + "/" + slot.deviceId + "/" + cacheFolder;
    if (!wxFileName::DirExists(folder) && !wxFileName::Mkdir(folder, 0777, wxPATH_MKDIR_FULL))
        return wxString();
    return folder;
}

// Copies the picture into localFile; false when no copy arrived. Call with
// deviceTableMutex held (the device stays open).
bool CopyPicture(PodDevice* device, const wxString& devicePath, const wxString& localFile)
{
    const fs::path local = ToPath(localFile);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(local, error);
    // A thumbnail is always fetched anew; a folder in the way is left alone.
    if (fs::is_directory(status))
        return false;
    if (fs::exists(status) && !fs::remove(local, error))
        return false;

    const wxScopedCharBuffer source = devicePath.utf8_str();
    const wxScopedCharBuffer target = localFile.utf8_str();
    for (int attempt = 0; attempt < kCopyTries && !SomethingExistsAt(local); ++attempt) {
        TraceLine("ExportFile begin");
        device->CopyFileToLocal(device, source, target, nullptr);
        TraceLine("ExportFile end");
    }
    return SomethingExistsAt(local);
}

// Whether the decoder's reduction left a side below the thumbnail's that the
// whole picture had.
bool TooSmallAfterReduction(const wxImage& image)
{
    const int originalWidth = image.GetOptionInt(wxIMAGE_OPTION_ORIGINAL_WIDTH);
    const int originalHeight = image.GetOptionInt(wxIMAGE_OPTION_ORIGINAL_HEIGHT);
    return (image.GetWidth() < kThumbnailSize && originalWidth > image.GetWidth()) ||
           (image.GetHeight() < kThumbnailSize && originalHeight > image.GetHeight());
}

} // namespace

wxString ThumbnailCacheName(const wxString& devicePath)
{
    const size_t slash = devicePath.find_last_of('/');
    const wxString name = slash == wxString::npos ? devicePath : devicePath.substr(slash + 1);
    return IsPlainName(name) ? name : wxString();
}

bool DecodeThumbnail(const wxString& localFile, wxImage& thumbnail)
{
    const wxString lower = localFile.Lower();
    wxBitmapType type = wxBITMAP_TYPE_INVALID;
    if (lower.EndsWith(".png"))
        type = wxBITMAP_TYPE_PNG;
    else if (lower.EndsWith(".jpg"))
        type = wxBITMAP_TYPE_JPEG;
    else
        return false;

    std::error_code error;
    const fs::path path = ToPath(localFile);
    if (!fs::is_regular_file(path, error) || fs::file_size(path, error) == 0 || error)
        return false;

    wxLogNull quiet;
    wxImage image;
    if (type == wxBITMAP_TYPE_JPEG) {
        // A JPEG decodes at a half, quarter or eighth of its size for a
        // fraction of the work. The picture is halved while a side is above
        // the limit, so a generous limit keeps both sides above the
        // thumbnail's for all but very long narrow pictures.
        image.SetOption(wxIMAGE_OPTION_MAX_WIDTH, kJpegDecodeLimit);
        image.SetOption(wxIMAGE_OPTION_MAX_HEIGHT, kJpegDecodeLimit);
    }
    if (!image.LoadFile(localFile, type) || !image.IsOk())
        return false;
    if (type == wxBITMAP_TYPE_JPEG && TooSmallAfterReduction(image)) {
        // A long narrow picture: one side came out too small, so it is
        // decoded whole instead of being stretched from too few pixels.
        image = wxImage();
        if (!image.LoadFile(localFile, type) || !image.IsOk())
            return false;
    }
    thumbnail = image.Scale(kThumbnailSize, kThumbnailSize, wxIMAGE_QUALITY_NORMAL);
    return thumbnail.IsOk();
}

void LoadThumbnail(const PictureLoaderKind& kind, LoadPictureInfo& info)
{
    info.thumbnail.reset();
    info.bitmapReady = false;
    const wxString name = ThumbnailCacheName(info.devicePath);
    if (name.empty())
        return;

    wxString localFile;
    {
        wxMutexLocker lock(deviceTable.deviceTableMutex);
        const DeviceSlot* slot = CurrentSlot(deviceTable);
        if (slot == nullptr || slot->device == nullptr)
            return;
        const wxString folder = CacheFolder(*slot, kind.cacheFolder);
        if (folder.empty())
            return;
        localFile = folder + "/" + name;
        if (!CopyPicture(slot->device, info.devicePath, localFile))
            return;
    }
    // The copy is ours now: it is decoded without holding up the table.
    auto thumbnail = std::make_unique<wxImage>();
    if (DecodeThumbnail(localFile, *thumbnail)) {
        info.thumbnail = std::move(thumbnail);
        info.bitmapReady = true;
    }
}
