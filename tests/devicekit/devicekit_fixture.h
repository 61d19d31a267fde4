#pragma once
// Shared fixture of the device library's tests: the two service tables, a
// way to point HANDOVER_DEVICES at folders and open a folder device, and
// small readers for the plists the library returns.

#include <devicekit/devicekit.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct PlistFree {
    void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
using PlistHolder = std::unique_ptr<void, PlistFree>;

// The folder of a generated demo device ("iphone", "ipad", "locked-iphone").
std::string DemoDeviceFolder(const char* name);

// A string member, or "<missing>" when absent or not a string.
std::string StringOf(plist_t dict, const char* key);
// A uint member, or UINT64_MAX when absent or not a uint.
std::uint64_t UintOf(plist_t dict, const char* key);
uint32_t ArraySize(plist_t array);
// The "item" array of a dict list.
plist_t ItemsOf(plist_t list);

// Writes a file below a folder device (creating folders).
void WriteDeviceFile(const std::string& deviceFolder, const std::string& relative, const std::string& bytes);
// An XML plist document around body.
std::string XmlPlist(const std::string& body);

class DeviceKitTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets HANDOVER_DEVICES to the folders joined with ':'.
    static void SetDeviceFolders(const std::vector<std::string>& folders);
    // Lists the single given folder and opens it; fails the test when it is
    // not listed. The device is closed in TearDown.
    PodDevice* Open(const std::string& folder, std::string* id = nullptr);

    PodDeviceService* pods_ = nullptr;
    HandoverService* handover_ = nullptr;

private:
    std::vector<PodDevice*> opened_;
};
