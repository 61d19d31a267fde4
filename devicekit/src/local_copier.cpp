#include "local_copier.h"

#include "folder_listing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace devicekit {

namespace {

// Folders nested deeper than this are not followed (a guard, not a format rule).
constexpr size_t kMaxDepth = 128;

// A name beside target that no one else uses: hidden, with our process id and
// a counter, ending in ".part".
std::string TemporaryNameBeside(const std::string& target)
{
    static std::atomic<unsigned> counter{0};
    std::string trimmed = target;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.pop_back();
    const size_t slash = trimmed.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : trimmed.substr(0, slash);
    // A long target name must still leave room for the suffix within the
    // file system's 255-byte limit.
    const std::string name = (slash == std::string::npos ? trimmed : trimmed.substr(slash + 1)).substr(0, 200);
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, ".%ld.%u.part", static_cast<long>(getpid()), counter.fetch_add(1));
    return (folder.empty() ? std::string() : folder) + "/." + name + suffix;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || close(fd) == 0;
    }

private:
    int fd_;
};

// Opens a device file for reading; only regular files are accepted, and
// O_NONBLOCK keeps a FIFO that replaced the file from blocking us.
int OpenRegularFile(const std::string& path, std::uint64_t* size)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return -1;
    }
    *size = static_cast<std::uint64_t>(info.st_size);
    return fd;
}

int CreateFileExclusive(const std::string& path)
{
    return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
}

void RemoveTree(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

} // namespace

bool LocalCopier::Report()
{
    reported_ = true;
    if (!progress_)
        return true;
    return progress_(std::max(total_, done_), done_) != POD_COPY_ABANDONED;
}

int LocalCopier::CopyBytes(int in, int out)
{
    bool kernelCopy = true;
    std::unique_ptr<char[]> buffer;
    for (;;) {
        ssize_t copied = -1;
        if (kernelCopy) {
            copied = copy_file_range(in, nullptr, out, nullptr, kChunkBytes, 0);
            if (copied < 0 && (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL ||
                               errno == EBADF || errno == EPERM)) {
                kernelCopy = false; // file systems that cannot: plain reads and writes
                continue;
            }
            if (copied < 0 && errno == EINTR)
                continue;
        } else {
            if (!buffer)
                buffer.reset(new char[kChunkBytes]);
            copied = read(in, buffer.get(), kChunkBytes);
            if (copied < 0 && errno == EINTR)
                continue;
            for (ssize_t written = 0; copied > 0 && written < copied;) {
                const ssize_t n = write(out, buffer.get() + written, static_cast<size_t>(copied - written));
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    return POD_COPY_FAILED;
                written += n;
            }
        }
        if (copied < 0)
            return POD_COPY_FAILED;
        if (copied == 0)
            return POD_COPY_OK;
        done_ += static_cast<std::uint64_t>(copied);
        if (!Report())
            return POD_COPY_ABANDONED;
    }
}

int LocalCopier::CopyFile(const std::string& source, const std::string& target)
{
    if (source.empty() || target.empty())
        return POD_COPY_FAILED;
    std::uint64_t size = 0;
    FileDescriptor in(OpenRegularFile(source, &size));
    if (in.Get() < 0)
        return POD_COPY_FAILED;
    total_ = size;
    done_ = 0;
    reported_ = false;

    const std::string temporary = TemporaryNameBeside(target);
    FileDescriptor out(CreateFileExclusive(temporary));
    if (out.Get() < 0)
        return POD_COPY_FAILED;
    int result = CopyBytes(in.Get(), out.Get());
    if (result == POD_COPY_OK && !reported_ && !Report())
        result = POD_COPY_ABANDONED;
    if (!out.Close() && result == POD_COPY_OK)
        result = POD_COPY_FAILED;
    if (result == POD_COPY_OK && rename(temporary.c_str(), target.c_str()) != 0)
        result = POD_COPY_FAILED;
    if (result != POD_COPY_OK)
        unlink(temporary.c_str());
    return result;
}

bool LocalCopier::Plan(const DevicePathResolver& resolver, const std::string& folder, const std::string& relative,
                       size_t depth, std::vector<Entry>* entries)
{
    std::vector<std::string> names;
    if (depth > kMaxDepth || !FolderListing::SortedNames(folder, &names))
        return false;
    for (const std::string& name : names) {
        std::string source = folder + "/" + name;
        struct stat info {};
        if (lstat(source.c_str(), &info) != 0)
            continue;
        if (S_ISLNK(info.st_mode)) {
            // Links to files inside the device are followed; links that leave
            // it, dangling links and links to folders (which could loop) are not.
            std::unique_ptr<char, decltype(&free)> real(realpath(source.c_str(), nullptr), &free);
            if (!real || !resolver.Contains(real.get()) || stat(real.get(), &info) != 0 || !S_ISREG(info.st_mode))
                continue;
            source = real.get();
        }
        Entry entry;
        entry.relative = relative.empty() ? name : relative + "/" + name;
        entry.source = source;
        if (S_ISDIR(info.st_mode)) {
            entry.folder = true;
            entries->push_back(entry);
            Plan(resolver, source, entry.relative, depth + 1, entries);
        } else if (S_ISREG(info.st_mode)) {
            entry.size = static_cast<std::uint64_t>(info.st_size);
            entries->push_back(entry);
        }
    }
    return true;
}

int LocalCopier::CopyFolder(const DevicePathResolver& resolver, const std::string& sourceFolder,
                            const std::string& targetFolder)
{
    struct stat info {};
    if (sourceFolder.empty() || targetFolder.empty() || stat(sourceFolder.c_str(), &info) != 0 ||
        !S_ISDIR(info.st_mode))
        return POD_COPY_FAILED;
    std::vector<Entry> entries;
    if (!Plan(resolver, sourceFolder, std::string(), 0, &entries))
        return POD_COPY_FAILED;
    total_ = 0;
    done_ = 0;
    reported_ = false;
    for (const Entry& entry : entries)
        total_ += entry.size;

    const std::string temporary = TemporaryNameBeside(targetFolder);
    if (mkdir(temporary.c_str(), 0777) != 0)
        return POD_COPY_FAILED;
    int result = POD_COPY_OK;
    for (const Entry& entry : entries) {
        const std::string target = temporary + "/" + entry.relative;
        if (entry.folder) {
            if (mkdir(target.c_str(), 0777) != 0)
                result = POD_COPY_FAILED;
        } else {
            std::uint64_t size = 0;
            FileDescriptor in(OpenRegularFile(entry.source, &size));
            FileDescriptor out(in.Get() < 0 ? -1 : CreateFileExclusive(target));
            if (out.Get() < 0)
                result = POD_COPY_FAILED;
            else
                result = CopyBytes(in.Get(), out.Get());
            if (!out.Close() && result == POD_COPY_OK)
                result = POD_COPY_FAILED;
        }
        if (result != POD_COPY_OK)
            break;
    }
    if (result == POD_COPY_OK && !reported_ && !Report())
        result = POD_COPY_ABANDONED;
    // rename() replaces only an empty folder, so an existing tree is never lost.
    if (result == POD_COPY_OK && rename(temporary.c_str(), targetFolder.c_str()) != 0)
        result = POD_COPY_FAILED;
    if (result != POD_COPY_OK)
        RemoveTree(temporary);
    return result;
}

} // namespace devicekit
