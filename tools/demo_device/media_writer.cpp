#include "media_writer.h"

#include "devicekit/devicekit.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

std::string SyncSafe(std::uint32_t value)
{
    std::string bytes(4, '\0');
    for (int i = 3; i >= 0; --i) {
        bytes[static_cast<size_t>(i)] = static_cast<char>(value & 0x7f);
        value >>= 7;
    }
    return bytes;
}

std::string BigEndian32(std::uint32_t value)
{
    std::string bytes(4, '\0');
    for (int i = 3; i >= 0; --i) {
        bytes[static_cast<size_t>(i)] = static_cast<char>(value & 0xff);
        value >>= 8;
    }
    return bytes;
}

std::string Id3TextFrame(const char* id, const std::string& text)
{
    const std::string body = std::string(1, '\x03') + text; // encoding 3: UTF-8
    return std::string(id, 4) + SyncSafe(static_cast<std::uint32_t>(body.size())) + std::string(2, '\0') + body;
}

std::string XmlEscaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// Gives every entry of a tree the same modification time (2024-01-01), so
// an archive packed from it is the same on every run.
bool SetFixedTimes(const std::string& folder)
{
    const timespec times[2] = {{1704067200, 0}, {1704067200, 0}};
    bool ok = utimensat(AT_FDCWD, folder.c_str(), times, 0) == 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error))
        ok = utimensat(AT_FDCWD, entry.path().c_str(), times, AT_SYMLINK_NOFOLLOW) == 0 && ok;
    return ok && !error;
}

} // namespace

bool MediaWriter::WriteFile(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool MediaWriter::Mp3(const std::string& path, double seconds, const std::string& title, const std::string& artist,
                      const std::string& album, const std::string& genre)
{
    const std::string frames = Id3TextFrame("TIT2", title) + Id3TextFrame("TPE1", artist) +
                               Id3TextFrame("TALB", album) + Id3TextFrame("TCON", genre);
    std::string file = std::string("ID3\x04\x00\x00", 6) + SyncSafe(static_cast<std::uint32_t>(frames.size())) + frames;
    // 128 kbit/s, 44.1 kHz, joint stereo: 417 or 418 bytes per 1152 samples.
    // All-zero side information decodes as silence.
    const long frameCount = static_cast<long>(seconds * 44100.0 / 1152.0);
    long remainder = 0;
    for (long i = 0; i < frameCount; ++i) {
        remainder += 144 * 128000 % 44100;
        const bool padding = remainder >= 44100;
        if (padding)
            remainder -= 44100;
        std::string frame(static_cast<size_t>(144 * 128000 / 44100 + (padding ? 1 : 0)), '\0');
        frame[0] = '\xff';
        frame[1] = '\xfb';
        frame[2] = static_cast<char>(0x90 | (padding ? 0x02 : 0x00));
        frame[3] = '\x44';
        file += frame;
    }
    return WriteFile(path, file);
}

bool MediaWriter::Mpeg4(const std::string& path, const char brand[4], std::uint64_t totalBytes)
{
    const std::string brandText(brand, 4);
    std::string ftyp = "ftyp" + brandText + BigEndian32(0) + brandText + "isom";
    ftyp = BigEndian32(static_cast<std::uint32_t>(ftyp.size() + 4)) + ftyp;
    const std::uint64_t mdatBytes = totalBytes > ftyp.size() + 8 ? totalBytes - ftyp.size() : 8;
    std::string file = ftyp + BigEndian32(static_cast<std::uint32_t>(mdatBytes)) + "mdat";
    file.resize(ftyp.size() + mdatBytes, '\0');
    return WriteFile(path, file);
}

bool MediaWriter::Pdf(const std::string& path, const std::string& title, const std::string& author)
{
    auto pdfText = [](const std::string& text) {
        std::string out;
        for (char c : text) {
            if (c == '(' || c == ')' || c == '\\')
                out += '\\';
            out += c;
        }
        return out;
    };
    const std::string content = "BT /F1 28 Tf 72 700 Td (" + pdfText(title) + ") Tj 0 -40 Td /F1 16 Tf (" +
                                pdfText(author) + ") Tj ET";
    const std::string objects[] = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R "
        "/Resources << /Font << /F1 5 0 R >> >> >>",
        "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "\nendstream",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
        "<< /Title (" + pdfText(title) + ") /Author (" + pdfText(author) + ") >>",
    };
    std::string file = "%PDF-1.4\n";
    std::string xref = "xref\n0 7\n0000000000 65535 f \n";
    int number = 1;
    for (const std::string& object : objects) {
        char offset[32];
        std::snprintf(offset, sizeof offset, "%010zu 00000 n \n", file.size());
        xref += offset;
        file += std::to_string(number++) + " 0 obj\n" + object + "\nendobj\n";
    }
    const size_t xrefOffset = file.size();
    file += xref + "trailer\n<< /Size 7 /Root 1 0 R /Info 6 0 R >>\nstartxref\n" + std::to_string(xrefOffset) +
            "\n%%EOF\n";
    return WriteFile(path, file);
}

bool MediaWriter::EpubFolder(const std::string& folder, const EpubBook& book)
{
    bool ok = WriteFile(folder + "/mimetype", "application/epub+zip");
    ok = ok && WriteFile(folder + "/META-INF/container.xml",
                         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<container version=\"1.0\" xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\">\n"
                         "  <rootfiles>\n"
                         "    <rootfile full-path=\"OEBPS/content.opf\"\n"
                         "              media-type=\"application/oebps-package+xml\"/>\n"
                         "  </rootfiles>\n"
                         "</container>\n");
    std::string manifest = "    <item id=\"nav\" href=\"nav.xhtml\" media-type=\"application/xhtml+xml\" "
                           "properties=\"nav\"/>\n";
    std::string spine;
    std::string navItems;
    for (size_t i = 0; i < book.chapters.size(); ++i) {
        const std::string id = "chapter" + std::to_string(i + 1);
        manifest += "    <item id=\"" + id + "\" href=\"" + id + ".xhtml\" media-type=\"application/xhtml+xml\"/>\n";
        spine += "    <itemref idref=\"" + id + "\"/>\n";
        navItems += "      <li><a href=\"" + id + ".xhtml\">Chapter " + std::to_string(i + 1) + "</a></li>\n";
        ok = ok && WriteFile(folder + "/OEBPS/" + id + ".xhtml",
                             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"" + book.language + "\">\n"
                             "<head><title>Chapter " + std::to_string(i + 1) + "</title></head>\n"
                             "<body><h1>Chapter " + std::to_string(i + 1) + "</h1>\n<p>" +
                                 XmlEscaped(book.chapters[i]) + "</p></body>\n</html>\n");
    }
    ok = ok && WriteFile(folder + "/OEBPS/nav.xhtml",
                         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<html xmlns=\"http://www.w3.org/1999/xhtml\" xmlns:epub=\"http://www.idpf.org/2007/ops\">\n"
                         "<head><title>Contents</title></head>\n<body>\n  <nav epub:type=\"toc\">\n    <ol>\n" +
                             navItems + "    </ol>\n  </nav>\n</body>\n</html>\n");
    ok = ok && WriteFile(folder + "/OEBPS/content.opf",
                         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\" unique-identifier=\"id\">\n"
                         "  <metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
                         "    <dc:identifier id=\"id\">urn:corvane:demo:" +
                             XmlEscaped(book.title) + "</dc:identifier>\n"
                         "    <dc:title>" + XmlEscaped(book.title) + "</dc:title>\n"
                         "    <dc:creator>" + XmlEscaped(book.author) + "</dc:creator>\n"
                         "    <dc:language>" + book.language + "</dc:language>\n"
                         "    <meta property=\"dcterms:modified\">2024-01-01T00:00:00Z</meta>\n"
                         "  </metadata>\n  <manifest>\n" + manifest + "  </manifest>\n  <spine>\n" + spine +
                             "  </spine>\n</package>\n");
    return ok;
}

bool MediaWriter::Epub(const std::string& path, const EpubBook& book)
{
    const std::string folder = path + ".unpacked";
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    bool ok = EpubFolder(folder, book) && SetFixedTimes(folder) && PackFolder(folder.c_str(), path.c_str()) == 0;
    std::filesystem::remove_all(folder, ignored);
    return ok;
}
