#include "device_path_resolver.h"

#include <climits>
#include <cstdlib>
#include <memory>

namespace devicekit {

namespace {

std::string Canonical(const std::string& path)
{
    std::unique_ptr<char, decltype(&free)> real(realpath(path.c_str(), nullptr), &free);
    return real ? std::string(real.get()) : std::string();
}

} // namespace

DevicePathResolver::DevicePathResolver(const std::string& filesRoot)
    : root_(Canonical(filesRoot))
{
}

bool DevicePathResolver::Contains(const std::string& canonicalPath) const
{
    if (root_.empty() || canonicalPath.empty())
        return false;
    if (canonicalPath == root_)
        return true;
    // The root "/" itself would make every path a member; a device folder is
    // never the file system root, but stay correct if it were.
    const std::string prefix = root_ == "/" ? root_ : root_ + "/";
    return canonicalPath.compare(0, prefix.size(), prefix) == 0;
}

std::string DevicePathResolver::Resolve(const char* devicePath) const
{
    if (root_.empty() || !devicePath || !*devicePath)
        return std::string();
    std::string relative;
    std::string component;
    const std::string path(devicePath);
    for (size_t i = 0; i <= path.size(); ++i) {
        const char c = i < path.size() ? path[i] : '/';
        if (c != '/' && c != '\\') {
            component += c;
            continue;
        }
        if (component == "..")
            return std::string();
        if (!component.empty() && component != ".")
            relative += "/" + component;
        component.clear();
    }
    const std::string resolved = Canonical(root_ + relative);
    return Contains(resolved) ? resolved : std::string();
}

} // namespace devicekit
