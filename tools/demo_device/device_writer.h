#ifndef DEMO_DEVICE_DEVICE_WRITER_H
#define DEMO_DEVICE_DEVICE_WRITER_H
// Writes one folder device: device.plist, lists/, records/ and the device
// files under files/. The list items are built here too, so every list entry
// carries the real size of the file it names.

#include <plist/plist.h>

#include <cstdint>
#include <string>

struct MediaTags {
    std::string title, genre, artist, album;
    std::uint64_t timeMs = 0;
};

// The device information; "Available" is what the other four leave.
struct DeviceInfoValues {
    const char* name;
    const char* type;
    const char* version;
    const char* serial;
    std::uint64_t capacity, audio, video, photos, others;
};

class DeviceWriter {
public:
    // Removes any earlier folder of that name and starts an empty device.
    // binary: write the plists in binary form (for the large device).
    DeviceWriter(const std::string& folder, bool binary);

    const std::string& Folder() const { return folder_; }
    // False once a plist could not be written or a list item named a file
    // that was not there.
    bool Ok() const { return !failed_; }
    // The local file that stores a device path ("/DCIM/...").
    std::string LocalPath(const std::string& devicePath) const;
    std::uint64_t FileSize(const std::string& devicePath) const;
    // A hard link of an existing device file under another device path
    // (copied when the file system has no links).
    bool LinkFile(const std::string& existingDevicePath, const std::string& devicePath) const;

    // Each takes ownership of the node and writes it.
    bool WriteInfo(plist_t info) const;
    bool WriteList(const char* name, plist_t list) const;
    bool WriteRecords(const char* name, plist_t records) const;

    // Items whose "size" is the size of the file at the device path.
    plist_t MediaItem(const MediaTags& tags, const std::string& devicePath) const;
    plist_t BookItem(const MediaTags& tags, const std::string& devicePath) const;
    plist_t VoiceMemoItem(const std::string& name, const std::string& title, std::uint64_t timeMs,
                          const std::string& devicePath) const;
    plist_t PictureItem(const std::string& time, const std::string& devicePath) const;
    static plist_t InfoDict(const DeviceInfoValues& info);
    // dict {"number": item count, "item": items}; takes the array.
    static plist_t ItemList(plist_t items);
    // dict {nameKey: name, "number": item count, "item": items}; takes the array.
    static plist_t Group(const char* nameKey, const std::string& name, plist_t items);

private:
    bool Write(const std::string& path, plist_t node) const;

    std::string folder_;
    bool binary_;
    mutable bool failed_ = false;
};

#endif
