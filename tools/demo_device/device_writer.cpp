#include "device_writer.h"

#include "media_writer.h"

#include <unistd.h>

#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

DeviceWriter::DeviceWriter(const std::string& folder, bool binary) : folder_(folder), binary_(binary)
{
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
    fs::create_directories(folder_ + "/files");
}

std::string DeviceWriter::LocalPath(const std::string& devicePath) const
{
    return folder_ + "/files" + (devicePath.empty() || devicePath[0] != '/' ? "/" : "") + devicePath;
}

std::uint64_t DeviceWriter::FileSize(const std::string& devicePath) const
{
    std::error_code error;
    const auto size = fs::file_size(LocalPath(devicePath), error);
    if (error) {
        failed_ = true;
        return 0;
    }
    return static_cast<std::uint64_t>(size);
}

bool DeviceWriter::LinkFile(const std::string& existingDevicePath, const std::string& devicePath) const
{
    const std::string target = LocalPath(devicePath);
    fs::create_directories(fs::path(target).parent_path());
    if (link(LocalPath(existingDevicePath).c_str(), target.c_str()) == 0)
        return true;
    std::error_code error;
    const bool copied =
        fs::copy_file(LocalPath(existingDevicePath), target, fs::copy_options::overwrite_existing, error);
    failed_ = failed_ || !copied;
    return copied;
}

bool DeviceWriter::Write(const std::string& path, plist_t node) const
{
    std::unique_ptr<void, decltype(&plist_free)> owner(node, &plist_free);
    char* bytes = nullptr;
    uint32_t length = 0;
    if (binary_)
        plist_to_bin(node, &bytes, &length);
    else
        plist_to_xml(node, &bytes, &length);
    if (!bytes) {
        failed_ = true;
        return false;
    }
    const bool ok = MediaWriter::WriteFile(path, std::string(bytes, length));
    failed_ = failed_ || !ok;
    if (binary_)
        plist_to_bin_free(bytes);
    else
        plist_to_xml_free(bytes);
    return ok;
}

bool DeviceWriter::WriteInfo(plist_t info) const
{
    return Write(folder_ + "/device.plist", info);
}

bool DeviceWriter::WriteList(const char* name, plist_t list) const
{
    return Write(folder_ + "/lists/" + name + ".plist", list);
}

bool DeviceWriter::WriteRecords(const char* name, plist_t records) const
{
    return Write(folder_ + "/records/" + name + ".plist", records);
}

plist_t DeviceWriter::BookItem(const MediaTags& tags, const std::string& devicePath) const
{
    plist_t item = plist_new_dict();
    plist_dict_set_item(item, "title", plist_new_string(tags.title.c_str()));
    plist_dict_set_item(item, "genre", plist_new_string(tags.genre.c_str()));
    plist_dict_set_item(item, "artist", plist_new_string(tags.artist.c_str()));
    plist_dict_set_item(item, "album", plist_new_string(tags.album.c_str()));
    plist_dict_set_item(item, "path", plist_new_string(devicePath.c_str()));
    return item;
}

plist_t DeviceWriter::MediaItem(const MediaTags& tags, const std::string& devicePath) const
{
    plist_t item = BookItem(tags, devicePath);
    plist_dict_set_item(item, "time", plist_new_uint(tags.timeMs));
    plist_dict_set_item(item, "size", plist_new_uint(FileSize(devicePath)));
    return item;
}

plist_t DeviceWriter::VoiceMemoItem(const std::string& name, const std::string& title, std::uint64_t timeMs,
                                    const std::string& devicePath) const
{
    plist_t item = plist_new_dict();
    plist_dict_set_item(item, "name", plist_new_string(name.c_str()));
    plist_dict_set_item(item, "title", plist_new_string(title.c_str()));
    plist_dict_set_item(item, "path", plist_new_string(devicePath.c_str()));
    plist_dict_set_item(item, "time", plist_new_uint(timeMs));
    plist_dict_set_item(item, "size", plist_new_uint(FileSize(devicePath)));
    return item;
}

plist_t DeviceWriter::PictureItem(const std::string& time, const std::string& devicePath) const
{
    plist_t item = plist_new_dict();
    plist_dict_set_item(item, "path", plist_new_string(devicePath.c_str()));
    plist_dict_set_item(item, "time", plist_new_string(time.c_str()));
    plist_dict_set_item(item, "size", plist_new_uint(FileSize(devicePath)));
    return item;
}

plist_t DeviceWriter::InfoDict(const DeviceInfoValues& info)
{
    plist_t dict = plist_new_dict();
    plist_dict_set_item(dict, "DeviceName", plist_new_string(info.name));
    plist_dict_set_item(dict, "Type", plist_new_string(info.type));
    plist_dict_set_item(dict, "Version", plist_new_string(info.version));
    plist_dict_set_item(dict, "SerialNumber", plist_new_string(info.serial));
    plist_dict_set_item(dict, "Catacity", plist_new_uint(info.capacity));
    plist_dict_set_item(dict, "Audio", plist_new_uint(info.audio));
    plist_dict_set_item(dict, "Video", plist_new_uint(info.video));
    plist_dict_set_item(dict, "Photos", plist_new_uint(info.photos));
    plist_dict_set_item(dict, "Others", plist_new_uint(info.others));
    plist_dict_set_item(dict, "Available",
                        plist_new_uint(info.capacity - info.audio - info.video - info.photos - info.others));
    return dict;
}

plist_t DeviceWriter::ItemList(plist_t items)
{
    plist_t list = plist_new_dict();
    plist_dict_set_item(list, "number", plist_new_uint(plist_array_get_size(items)));
    plist_dict_set_item(list, "item", items);
    return list;
}

plist_t DeviceWriter::Group(const char* nameKey, const std::string& name, plist_t items)
{
    plist_t group = ItemList(items);
    plist_dict_set_item(group, nameKey, plist_new_string(name.c_str()));
    return group;
}
