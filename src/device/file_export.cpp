#include "device/file_export.h"

#include <filesystem>
#include <limits>
#include <system_error>

#include <devicekit/devicekit.h>
#include <wx/intl.h>

#include "app/text_format.h"
#include "app/trace.h"
#include "device/device_table.h"
#include "device/export_catalog_info.h"
#include "device/export_progress_sink.h"
#include "device/sync_objects.h"

std::atomic<ExportCatalogInfo*> currentExportRequest{nullptr};

namespace {

namespace fs = std::filesystem;

// Leaves room for "(n)", the extension and the copy's temporary name within
// the 255 bytes most file systems allow for one name.
constexpr size_t kMaxStemBytes = 200;

fs::path ToPath(const wxString& path)
{
    return fs::u8path(path.utf8_string());
}

// Anything at the path, links included and not followed.
bool SomethingExistsAt(const wxString& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(ToPath(path), error));
}

bool IsRealFolder(const wxString& path)
{
    std::error_code error;
    return fs::is_directory(fs::symlink_status(ToPath(path), error));
}

wxString FileNamePart(const wxString& devicePath)
{
    const size_t separator = devicePath.find_last_of("/\\");
    return separator == wxString::npos ? devicePath : devicePath.substr(separator + 1);
}

size_t Utf8Length(wxUniChar character)
{
    const wxUint32 code = character.GetValue();
    return code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
}

void CutToUtf8Length(wxString& text, size_t maxBytes)
{
    size_t bytes = 0;
    for (size_t i = 0; i < text.length(); ++i) {
        bytes += Utf8Length(text[i]);
        if (bytes > maxBytes) {
            text.Truncate(i);
            return;
        }
    }
}

int Percent(std::uint64_t total, std::uint64_t done)
{
    if (done >= total)
        return 100;
    if (done <= std::numeric_limits<std::uint64_t>::max() / 100)
        return static_cast<int>(done * 100 / total);
    return static_cast<int>(done / (total / 100));
}

// The device chosen in the selector; the table owns it until the next detection.
PodDevice* CurrentDevice()
{
    wxMutexLocker lock(deviceTable.deviceTableMutex);
    const DeviceSlot* slot = CurrentSlot(deviceTable);
    return slot != nullptr ? slot->device : nullptr;
}

// A folder item (an unpacked book) is copied into a folder of our own beside
// the target, packed into one file that replaces any earlier one, and the
// folder removed again.
void ExportFolderItem(PodDevice* device, const char* devicePath, const wxString& target)
{
    const wxString temporary = FreeExportTarget(target, ".dir");
    const int copied = device->CopyFolderToLocal(device, devicePath, temporary.utf8_str(), &DoExportFileCallback);
    // Only a complete copy left a folder, and only then is it ours to remove.
    if (copied != POD_COPY_OK || !IsRealFolder(temporary))
        return;
    PackFolder(temporary.utf8_str(), target.utf8_str());
    std::error_code ignored;
    fs::remove_all(ToPath(temporary), ignored);
}

void ExportFileItem(PodDevice* device, const char* devicePath, const wxString& base, const wxString& extension)
{
    const wxString target = FreeExportTarget(base, extension);
    TraceLine("ExportFile begin");
    device->CopyFileToLocal(device, devicePath, target.utf8_str(), &DoExportFileCallback);
    TraceLine("ExportFile end");
}

} // namespace

int DoExportFileCallback(std::uint64_t total, std::uint64_t done)
{
    TraceLine("DoExportFileCallback");
    if (exportStopFlag.load())
        return POD_COPY_ABANDONED;
    if (total == 0)
        return 0;
    ExportCatalogInfo* request = currentExportRequest.load();
    if (request == nullptr || request->progressDialog == nullptr)
        return 0;

    const wxString& format = request->itemTotal > 1 ? _("Exporting %d of %d items") : _("Exporting %d of %d item");
    request->progressDialog->SetText(wxString::Format(format, request->currentItem, request->itemTotal) + ": " +
                                     request->currentName);
    request->progressDialog->SetPercent(Percent(total, done));
    return 0;
}

wxString ExportExtension(const wxString& devicePath)
{
    const wxString fileName = FileNamePart(devicePath);
    const size_t dot = fileName.rfind('.');
    if (dot == wxString::npos)
        return wxString();
    wxString extension = fileName.substr(dot);
    MakeValidFileName(extension);
    return extension;
}

wxString ExportFileStem(const wxString& name, const wxString& devicePath)
{
    wxString stem = name;
    if (stem.empty()) {
        const wxString fileName = FileNamePart(devicePath);
        stem = fileName.substr(0, fileName.rfind('.'));
    }
    MakeValidFileName(stem);
    if (stem.find_first_not_of('.') == wxString::npos) {
        stem.Replace(".", "_");
        if (stem.empty())
            stem = "_";
    }
    CutToUtf8Length(stem, kMaxStemBytes);
    return stem;
}

wxString FreeExportTarget(const wxString& base, const wxString& extension)
{
    wxString target = base + extension;
    for (unsigned number = 1; SomethingExistsAt(target); ++number)
        target = wxString::Format("%s(%u)%s", base, number, extension);
    return target;
}

void ExportDeviceFiles(ExportCatalogInfo& request)
{
    request.itemTotal = static_cast<int>(request.items.size());
    PodDevice* device = CurrentDevice();

    for (size_t i = 0; i < request.items.size(); ++i) {
        request.currentItem = static_cast<int>(i) + 1;
        if (exportStopFlag.load())
            break;
        const ExportItemInfo* item = request.items[i].get();
        if (item == nullptr || device == nullptr)
            continue;

        wxString base = JoinPath(request.destination, ExportFileStem(item->name, item->devicePath));
        base.Replace("\\", "/");
        const wxString extension = ExportExtension(item->devicePath);
        request.currentName = item->name;

        const wxScopedCharBuffer devicePath = item->devicePath.utf8_str();
        if (device->IsFolder(device, devicePath) != 0)
            ExportFolderItem(device, devicePath, base + extension);
        else
            ExportFileItem(device, devicePath, base, extension);
    }
}
