#ifndef DEMO_DEVICE_DEMO_DEVICES_H
#define DEMO_DEVICE_DEMO_DEVICES_H
// The demo devices the build writes into <build>/demo-devices/: an iPhone
// with every category, an iPad with fewer, and an iPhone that presents
// itself as a connected device and refuses to initialise (locked, code 4).

#include <string>

class DemoDevices {
public:
    static bool WriteIPhone(const std::string& folder);
    static bool WriteIPad(const std::string& folder);
    static bool WriteLockedIPhone(const std::string& folder);
};

#endif
