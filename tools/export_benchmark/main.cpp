// Export throughput beside cp: one 1 GiB file, then 10,000 small files of the
// large demo device, each copied by the file export and by cp on the same disk
// (best of five runs each). Not a test: run it by hand, or with
// `make -C build benchmark-export`.
//
//   export_benchmark <large device folder> [work folder]
//
// The work folder (default: beside the device) holds the 1 GiB file as a
// folder device of its own and the copies; everything in it is removed again.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <wx/init.h>
#include <wx/log.h>

#include "device/detection.h"
#include "device/device_table.h"
#include "device/export_catalog_info.h"
#include "device/export_handshake.h"
#include "device/file_export.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kLargeBytes = 1ull << 30;
constexpr int kSmallFiles = 10000;
constexpr int kRuns = 5;

struct Item {
    std::string devicePath;
    std::string title;
};

// Wall-clock time (what the goal is about) and the processor time spent on
// it, which a busy machine disturbs far less.
struct Timing {
    double wall = 1e30;
    double cpu = 1e30;

    void KeepBest(const Timing& run)
    {
        wall = std::min(wall, run.wall);
        cpu = std::min(cpu, run.cpu);
    }
};

// The trace lines of the export go to stdout; during a timed run they go to
// /dev/null and the results to the saved stdout.
class QuietStdout {
public:
    QuietStdout()
    {
        std::fflush(stdout);
        saved_ = dup(STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        close(null);
    }
    ~QuietStdout()
    {
        std::fflush(stdout);
        dup2(saved_, STDOUT_FILENO);
        close(saved_);
    }

private:
    int saved_;
};

double CpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Processor time of this process and of the children it waited for.
Timing Measure(const std::function<void()>& work)
{
    const double cpuBefore = CpuSeconds(RUSAGE_SELF) + CpuSeconds(RUSAGE_CHILDREN);
    const auto start = std::chrono::steady_clock::now();
    work();
    Timing timing;
    timing.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    timing.cpu = CpuSeconds(RUSAGE_SELF) + CpuSeconds(RUSAGE_CHILDREN) - cpuBefore;
    return timing;
}

bool RunCommand(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void FreshFolder(const fs::path& folder)
{
    fs::remove_all(folder);
    fs::create_directories(folder);
}

// Makes the listed folder the only device and chooses it.
bool Detect(const fs::path& device)
{
    setenv("HANDOVER_DEVICES", device.c_str(), 1);
    RunDetection(nullptr);
    wxMutexLocker lock(deviceTable.deviceTableMutex);
    deviceTable.currentIndex = 0;
    return CurrentSlot(deviceTable) != nullptr;
}

// The first `count` songs of the chosen device's music list.
std::vector<Item> FirstSongs(int count)
{
    std::vector<Item> items;
    wxMutexLocker lock(deviceTable.deviceTableMutex);
    plist_t list = deviceTable.slots[0].music;
    plist_t array = list ? plist_dict_get_item(list, "item") : nullptr;
    const uint32_t size = array ? plist_array_get_size(array) : 0;
    for (uint32_t i = 0; i < size && static_cast<int>(items.size()) < count; ++i) {
        plist_t entry = plist_array_get_item(array, i);
        char* path = nullptr;
        char* title = nullptr;
        plist_get_string_val(plist_dict_get_item(entry, "path"), &path);
        plist_get_string_val(plist_dict_get_item(entry, "title"), &title);
        items.push_back({path ? path : "", title ? title : ""});
        std::free(path);
        std::free(title);
    }
    return items;
}

// Runs the export thread's own work on this thread.
void Export(const std::vector<Item>& items, const fs::path& destination)
{
    ExportCatalogInfo request;
    request.destination = wxString::FromUTF8(destination.string());
    for (const Item& item : items)
        request.AddItem(wxString::FromUTF8(item.devicePath), wxString::FromUTF8(item.title));
    currentExportRequest.store(&request);
    BeginExport();
    {
        QuietStdout quiet;
        ExportDeviceFiles(request);
    }
    FinishExport(nullptr, kExportCompleted);
    currentExportRequest.store(nullptr);
}

bool CopyWithCp(const std::vector<fs::path>& files, const fs::path& destination, const fs::path& listFile)
{
    if (files.size() == 1)
        return RunCommand({"cp", "--", files[0].string(), destination.string()});
    // Many files: one list, handed to cp by xargs in as few calls as fit.
    {
        std::ofstream list(listFile, std::ios::binary);
        for (const fs::path& file : files)
            list << file.string() << '\0';
    }
    return RunCommand({"xargs", "-0", "-a", listFile.string(), "cp", "-t", destination.string(), "--"});
}

std::uint64_t TotalBytes(const std::vector<fs::path>& files)
{
    std::uint64_t total = 0;
    for (const fs::path& file : files)
        total += fs::file_size(file);
    return total;
}

size_t CountFiles(const fs::path& folder)
{
    size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        count += entry.is_regular_file() ? 1 : 0;
    return count;
}

// Best of kRuns for both. Each run starts with the dirty pages of the runs
// before written out (not timed), and the two take turns going first, so
// neither pays for the other's write-back or always meets a warmer cache.
bool Compare(const char* label, const std::vector<Item>& items, const std::vector<fs::path>& files,
             const fs::path& work, double goal)
{
    const fs::path exported = work / "exported";
    const fs::path copied = work / "copied";
    const std::uint64_t bytes = TotalBytes(files);
    Timing bestExport;
    Timing bestCp;
    for (int run = 0; run < kRuns; ++run) {
        FreshFolder(exported);
        FreshFolder(copied);
        bool cpOk = true;
        const auto timeExport = [&] {
            sync();
            bestExport.KeepBest(Measure([&] { Export(items, exported); }));
        };
        const auto timeCp = [&] {
            sync();
            bestCp.KeepBest(Measure([&] { cpOk = CopyWithCp(files, copied, work / "list"); }));
        };
        if (run % 2 == 0) {
            timeExport();
            timeCp();
        } else {
            timeCp();
            timeExport();
        }
        if (!cpOk || CountFiles(exported) != files.size() || CountFiles(copied) != files.size()) {
            std::fprintf(stderr, "%s: a copy is incomplete (export %zu, cp %zu of %zu files)\n", label,
                         CountFiles(exported), CountFiles(copied), files.size());
            return false;
        }
    }
    fs::remove_all(exported);
    fs::remove_all(copied);

    const double megabytes = bytes / 1e6;
    const double ratio = bestCp.wall / bestExport.wall;
    std::printf("%s: %zu files, %.1f MB\n"
                "  export  %7.3f s  %8.1f MB/s   processor %7.3f s\n"
                "  cp      %7.3f s  %8.1f MB/s   processor %7.3f s\n"
                "  ratio   %.2fx of cp (goal %.1fx) %s; processor time %.2fx of cp's\n",
                label, files.size(), megabytes, bestExport.wall, megabytes / bestExport.wall, bestExport.cpu,
                bestCp.wall, megabytes / bestCp.wall, bestCp.cpu, ratio, goal, ratio >= goal ? "ok" : "BELOW GOAL",
                bestExport.cpu / bestCp.cpu);
    return true;
}

bool WriteLargeFile(const fs::path& path)
{
    fs::create_directories(path.parent_path());
    std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file)
        return false;
    // Data that no layer can skip or compress: a simple xorshift stream.
    std::vector<std::uint64_t> block(1 << 20);
    std::uint64_t state = 0x9e3779b97f4a7c15ull;
    for (std::uint64_t written = 0; written < kLargeBytes; written += block.size() * sizeof(block[0])) {
        for (std::uint64_t& word : block) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            word = state;
        }
        if (std::fwrite(block.data(), sizeof(block[0]), block.size(), file.get()) != block.size())
            return false;
    }
    return std::fflush(file.get()) == 0;
}

int Run(const fs::path& largeDevice, const fs::path& work)
{
    // One 1 GiB file, as the only file of a folder device of its own.
    const fs::path bigDevice = work / "big-device";
    const std::string bigPath = "/Movies/Large.m4v";
    std::printf("Writing a 1 GiB file into %s\n", bigDevice.c_str());
    if (!WriteLargeFile(bigDevice / "files/Movies/Large.m4v") || !Detect(bigDevice)) {
        std::fprintf(stderr, "cannot write or open the 1 GiB folder device\n");
        return 1;
    }
    if (!Compare("one 1 GiB file", {{bigPath, "Large"}}, {bigDevice / "files/Movies/Large.m4v"}, work, 0.9))
        return 1;
    fs::remove_all(bigDevice);

    std::printf("Reading the large device %s\n", largeDevice.c_str());
    if (!Detect(largeDevice)) {
        std::fprintf(stderr, "cannot open the large device (make -C build demo-device-large)\n");
        return 1;
    }
    const std::vector<Item> songs = FirstSongs(kSmallFiles);
    if (static_cast<int>(songs.size()) != kSmallFiles) {
        std::fprintf(stderr, "the large device has only %zu songs\n", songs.size());
        return 1;
    }
    std::vector<fs::path> files;
    for (const Item& song : songs)
        files.push_back(largeDevice / ("files" + song.devicePath));
    return Compare("10,000 small files", songs, files, work, 0.7) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <large device folder> [work folder]\n", argv[0]);
        return 2;
    }
    wxInitializer initializer(argc, argv);
    wxLog::SetLogLevel(wxLOG_FatalError);
    const fs::path largeDevice = fs::absolute(argv[1]);
    fs::path parent = argc > 2 ? fs::absolute(argv[2]) : largeDevice.parent_path();
    std::string pattern = (parent / "export-benchmark-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::fprintf(stderr, "cannot make a work folder in %s\n", parent.c_str());
        return 1;
    }
    const fs::path work = pattern;
    int result = 1;
    try {
        result = Run(largeDevice, work);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
    }
    std::error_code ignored;
    fs::remove_all(work, ignored);
    return result;
}
