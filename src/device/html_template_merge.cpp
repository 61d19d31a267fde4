#include "device/html_template_merge.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <system_error>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

using FileHolder = std::unique_ptr<std::FILE, decltype(&std::fclose)>;

bool ReadWholeFile(const wxString& path, std::string& bytes)
{
    const fs::path source = fs::u8path(path.utf8_string());
    std::error_code error;
    if (!fs::is_regular_file(source, error))
        return false;
    std::ifstream in(source, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// A new file beside target that did not exist before (mode as any new file).
FileHolder CreateTemporaryBeside(const fs::path& target, fs::path& temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target.parent_path() /
                    ("." + target.filename().string() + "." + std::to_string(getpid()) + "." +
                     std::to_string(attempt) + ".part");
        FileHolder file(std::fopen(temporary.c_str(), "wbx"), &std::fclose);
        if (file || errno != EEXIST)
            return file;
    }
    return FileHolder(nullptr, &std::fclose);
}

void WriteBytes(std::FILE* file, const char* bytes, size_t length)
{
    if (length > 0)
        std::fwrite(bytes, 1, length, file);
}

void WriteMergedLines(std::FILE* out, const std::string& page, const std::string& title,
                      const std::vector<std::string>& rows)
{
    size_t start = 0;
    while (start < page.size()) {
        const size_t newline = page.find('\n', start);
        const size_t end = newline == std::string::npos ? page.size() : newline + 1;
        const std::string line = page.substr(start, end - start);
        WriteBytes(out, line.data(), line.size());
        start = end;

        const bool holdsTitle = line.find("<title") != std::string::npos;
        if (!holdsTitle && line.find("<table") == std::string::npos)
            continue;
        // Inserted lines end the way the marker line does.
        const std::string lineEnd = line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0 ? "\r\n" : "\n";
        if (newline == std::string::npos)
            WriteBytes(out, lineEnd.data(), lineEnd.size());
        if (holdsTitle) {
            WriteBytes(out, title.data(), title.size());
            WriteBytes(out, lineEnd.data(), lineEnd.size());
        } else {
            for (const std::string& row : rows) {
                WriteBytes(out, row.data(), row.size());
                WriteBytes(out, lineEnd.data(), lineEnd.size());
            }
        }
    }
}

} // namespace

bool MergeHtmlTemplate(const std::string& title, const wxString& templatePath, const wxString& outputPath,
                       const std::vector<std::string>& rows)
{
    std::string page;
    if (!ReadWholeFile(templatePath, page))
        return false;

    const fs::path target = fs::u8path(outputPath.utf8_string());
    fs::path temporary;
    FileHolder out = CreateTemporaryBeside(target, temporary);
    if (!out)
        return false;
    WriteMergedLines(out.get(), page, title, rows);
    const bool written = std::ferror(out.get()) == 0;
    const bool closed = std::fclose(out.release()) == 0;

    std::error_code error;
    if (written && closed) {
        fs::rename(temporary, target, error);
        if (!error)
            return true;
    }
    fs::remove(temporary, error);
    return false;
}
