#include "support/temp_home.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

struct HomeFolder {
    std::string path;
    HomeFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "handover-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary home");
        path = pattern;
        fs::create_directories(path + "/Documents");
        fs::create_directories(path + "/.config");
        fs::create_directories(path + "/.cache");
        fs::create_directories(path + "/.local/share");
        setenv("HOME", path.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (path + "/.config").c_str(), 1);
        setenv("XDG_CACHE_HOME", (path + "/.cache").c_str(), 1);
        setenv("XDG_DATA_HOME", (path + "/.local/share").c_str(), 1);
        setenv("XDG_DOCUMENTS_DIR", (path + "/Documents").c_str(), 1);
        WriteTextFile(path + "/.config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n");
    }
    ~HomeFolder()
    {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

} // namespace

const std::string& TestHome()
{
    static HomeFolder home;
    return home.path;
}

std::string MakeTempFolder(const std::string& hint)
{
    static int counter = 0;
    const std::string folder = TestHome() + "/tmp/" + hint + "-" + std::to_string(++counter);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

void WriteTextFile(const std::string& path, const std::string& bytes)
{
    const fs::path target(path);
    if (target.has_parent_path())
        fs::create_directories(target.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadTextFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}
