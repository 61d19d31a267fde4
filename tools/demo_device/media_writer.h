#ifndef DEMO_DEVICE_MEDIA_WRITER_H
#define DEMO_DEVICE_MEDIA_WRITER_H
// Writes the demo device's media files: real files of their type where that
// is cheap (silent MP3 with tags, PDF, EPUB), otherwise files of a realistic
// small size that start like their type (MPEG-4 family, HEIC, QuickTime).

#include <cstdint>
#include <string>
#include <vector>

struct EpubBook {
    std::string title;
    std::string author;
    std::string language; // "en", "ja"...
    std::vector<std::string> chapters; // plain text, one chapter each
};

class MediaWriter {
public:
    // A silent MPEG-1 Layer III file of about the given length with an ID3v2.4
    // tag (UTF-8) holding title, artist, album and genre.
    static bool Mp3(const std::string& path, double seconds, const std::string& title, const std::string& artist,
                    const std::string& album, const std::string& genre);
    // An ISO base media file: an "ftyp" box with the brand, then a "mdat" box
    // filling the file to totalBytes.
    static bool Mpeg4(const std::string& path, const char brand[4], std::uint64_t totalBytes);
    // A one-page PDF showing the title and author.
    static bool Pdf(const std::string& path, const std::string& title, const std::string& author);
    // An unpacked EPUB 3 package: mimetype, META-INF/container.xml, OEBPS/.
    static bool EpubFolder(const std::string& folder, const EpubBook& book);
    // The same package as one .epub file.
    static bool Epub(const std::string& path, const EpubBook& book);

    static bool WriteFile(const std::string& path, const std::string& bytes);
};

#endif
