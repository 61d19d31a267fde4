#pragma once
// Device and content services made of test data, put in place of the
// library's own with SetDeviceServices. One fake world per test; its tables
// use plain function pointers, so the world is a process-wide instance.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <devicekit/devicekit.h>

struct FakeDeviceSpec {
    FakeDeviceSpec(std::string id_ = "", std::string type_ = "iPhone", std::string name_ = "Phone",
                   int initResult_ = POD_INIT_READY, bool openFails_ = false,
                   std::vector<const char*> contactNames_ = {})
        : id(std::move(id_)), type(std::move(type_)), name(std::move(name_)), initResult(initResult_),
          openFails(openFails_), contactNames(std::move(contactNames_))
    {
    }

    std::string id;
    std::string type = "iPhone";
    std::string name = "Phone";   // empty: no "DeviceName" in the device information
    int initResult = POD_INIT_READY;
    bool openFails = false;
    std::vector<const char*> contactNames;  // null entries are nameless contacts
};

struct FakeDeviceWorld {
    std::vector<FakeDeviceSpec> devices;
    bool listIsNull = false;
    // What CopyFileToLocal does (on whichever thread calls it); unset: fails.
    std::function<int(const char* devicePath, const char* localPath)> copyFile;

    // What the program did.
    std::vector<std::string> opened;
    std::vector<std::string> closed;
    std::vector<std::string> initFolders;
};

// Installs the fake services with a fresh world and returns it; Uninstall puts
// the library's services back.
FakeDeviceWorld& InstallFakeDeviceServices();
void UninstallFakeDeviceServices();
