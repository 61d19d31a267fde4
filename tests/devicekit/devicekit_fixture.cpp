#include "devicekit_fixture.h"

#include "support/temp_home.h"

#include <cstdlib>

std::string DemoDeviceFolder(const char* name)
{
    return std::string(HANDOVER_STAGE_DIR) + "/demo-devices/" + name;
}

std::string StringOf(plist_t dict, const char* key)
{
    plist_t node = dict ? plist_dict_get_item(dict, key) : nullptr;
    if (!node || plist_get_node_type(node) != PLIST_STRING)
        return "<missing>";
    char* text = nullptr;
    plist_get_string_val(node, &text);
    std::string result = text ? text : "";
    free(text);
    return result;
}

std::uint64_t UintOf(plist_t dict, const char* key)
{
    plist_t node = dict ? plist_dict_get_item(dict, key) : nullptr;
    if (!node || plist_get_node_type(node) != PLIST_UINT)
        return UINT64_MAX;
    uint64_t value = 0;
    plist_get_uint_val(node, &value);
    return value;
}

uint32_t ArraySize(plist_t array)
{
    return array && plist_get_node_type(array) == PLIST_ARRAY ? plist_array_get_size(array) : 0;
}

plist_t ItemsOf(plist_t list)
{
    return list ? plist_dict_get_item(list, "item") : nullptr;
}

void WriteDeviceFile(const std::string& deviceFolder, const std::string& relative, const std::string& bytes)
{
    WriteTextFile(deviceFolder + "/" + relative, bytes);
}

std::string XmlPlist(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n" +
           body + "\n</plist>\n";
}

void DeviceKitTest::SetUp()
{
    pods_ = CreatePodDeviceService();
    handover_ = CreateHandoverService();
    ASSERT_NE(pods_, nullptr);
    ASSERT_NE(handover_, nullptr);
}

void DeviceKitTest::TearDown()
{
    for (PodDevice* device : opened_)
        pods_->CloseDevice(device);
    FreeHandoverService(handover_);
    FreePodDeviceService(pods_);
    unsetenv("HANDOVER_DEVICES");
}

void DeviceKitTest::SetDeviceFolders(const std::vector<std::string>& folders)
{
    std::string value;
    for (const std::string& folder : folders)
        value += (value.empty() ? "" : ":") + folder;
    setenv("HANDOVER_DEVICES", value.c_str(), 1);
}

PodDevice* DeviceKitTest::Open(const std::string& folder, std::string* id)
{
    SetDeviceFolders({folder});
    PlistHolder list(pods_->ListDevices());
    EXPECT_EQ(ArraySize(list.get()), 1u) << folder;
    if (ArraySize(list.get()) != 1)
        return nullptr;
    plist_t entry = plist_array_get_item(list.get(), 0);
    const std::string value = StringOf(entry, "value");
    PodDevice* device = pods_->OpenDevice(value.c_str(), StringOf(entry, "type").c_str());
    EXPECT_NE(device, nullptr) << folder;
    if (device)
        opened_.push_back(device);
    if (id)
        *id = value;
    return device;
}
