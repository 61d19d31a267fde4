#ifndef DEVICEKIT_DEVICE_PATH_RESOLVER_H
#define DEVICEKIT_DEVICE_PATH_RESOLVER_H
// Turns a device path ("/DCIM/100APPLE/IMG_0001.JPG", backslashes allowed)
// into the file that holds it inside a folder device's files/ folder, and
// refuses every path that would reach outside that folder.

#include <string>

namespace devicekit {

class DevicePathResolver {
public:
    // filesRoot: the device's files/ folder; it need not exist (then every
    // path is refused).
    explicit DevicePathResolver(const std::string& filesRoot);

    // The canonical local path of an existing item, or "" when the path is
    // empty, has a ".." component, does not exist, or resolves (through a
    // symbolic link) to anything outside the files folder. "/" is the root.
    std::string Resolve(const char* devicePath) const;

    // True when a canonical local path lies inside the files folder (or is it).
    bool Contains(const std::string& canonicalPath) const;

    const std::string& Root() const { return root_; }

private:
    std::string root_; // canonical, or "" when the folder is missing
};

} // namespace devicekit

#endif
