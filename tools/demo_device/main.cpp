// Writes the demo devices into a folder:
//   demo_device <folder>            iphone/, ipad/ and locked-iphone/
//   demo_device --large <folder>    large-iphone/ (for the benchmarks)
// Each device folder is removed and written afresh; the result is the same
// on every run.

#include "demo_devices.h"
#include "large_device.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    const bool large = argc == 3 && std::strcmp(argv[1], "--large") == 0;
    if (argc != 2 && !large) {
        std::fprintf(stderr, "usage: %s [--large] <folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[argc - 1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    bool ok = true;
    if (large) {
        ok = LargeDevice::Write(folder + "/large-iphone");
    } else {
        ok = DemoDevices::WriteIPhone(folder + "/iphone") && ok;
        ok = DemoDevices::WriteIPad(folder + "/ipad") && ok;
        ok = DemoDevices::WriteLockedIPhone(folder + "/locked-iphone") && ok;
    }
    if (!ok)
        std::fprintf(stderr, "demo_device: could not write every file below %s\n", folder.c_str());
    return ok ? 0 : 1;
}
