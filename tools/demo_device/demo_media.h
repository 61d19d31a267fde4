#ifndef DEMO_DEVICE_DEMO_MEDIA_H
#define DEMO_DEVICE_DEMO_MEDIA_H
// The media of the demo devices: songs, movies, TV shows, podcasts, an
// audiobook, ringtones, voice memos, books and playlists, each list written
// together with the files its items name.

#include "device_writer.h"

#include <cstddef>
#include <string>

class DemoMedia {
public:
    static constexpr size_t kSongCount = 40;

    // The first songCount songs of the demo catalogue; returns a copy of the
    // written items (the caller frees it) for the playlists.
    static plist_t WriteMusic(const DeviceWriter& device, size_t songCount);
    // Two playlists made of the given song items (indexes into them).
    static void WritePlaylists(const DeviceWriter& device, plist_t songs);
    static void WriteMovies(const DeviceWriter& device, size_t count);
    static void WriteTvShows(const DeviceWriter& device);
    static void WritePodcasts(const DeviceWriter& device);
    static void WriteAudiobooks(const DeviceWriter& device);
    static void WriteRingtones(const DeviceWriter& device);
    static void WriteVoiceMemos(const DeviceWriter& device);
    // Shelf "Books" with EPUBs (one stored as a folder) and, with pdfs, a
    // shelf "PDFs".
    static void WriteBooks(const DeviceWriter& device, bool pdfs);
    // Everything but songs and playlists, as on the demo iPhone: 3 movies,
    // TV shows, podcasts, the audiobook, ringtones, voice memos, both shelves.
    static void WriteVideoAudioAndBooks(const DeviceWriter& device);

    // "/iTunes_Control/Music/Fnn/XXXX" + extension, the obscured names the
    // device gives its media files; the same number gives the same path.
    static std::string MediaPath(unsigned number, const char* extension);
    // The file name alone: four letters and the extension.
    static std::string MediaName(unsigned number, const char* extension);
};

#endif
