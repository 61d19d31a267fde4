#include "demo_media.h"

#include "demo_random.h"
#include "media_writer.h"

#include <cstdio>
#include <vector>

namespace {

struct Song {
    const char* title;
    const char* artist;
    const char* album;
    const char* genre;
    unsigned seconds;
};

// Genres "Rock" and "rock" differ only in case; titles in several scripts;
// the two Greek songs have no album.
const Song kSongs[DemoMedia::kSongCount] = {
    {"Northern Lights", "The Corvane Band", "Northern Lights", "Rock", 201},
    {"Harbour Wall", "The Corvane Band", "Northern Lights", "Rock", 245},
    {"Cold Engines", "The Corvane Band", "Northern Lights", "Rock", 188},
    {"Signal Fire", "The Corvane Band", "Northern Lights", "Rock", 312},
    {"Lantern Road", "The Corvane Band", "Northern Lights", "Rock", 227},
    {"Last Ferry", "The Corvane Band", "Northern Lights", "Rock", 263},
    {"Garage Door", "Loose Gravel", "Garage Days", "rock", 174},
    {"Two Chords", "Loose Gravel", "Garage Days", "rock", 142},
    {"Flat Tyre", "Loose Gravel", "Garage Days", "rock", 199},
    {"Neighbours Complain", "Loose Gravel", "Garage Days", "rock", 221},
    {"Amp Goes to Eleven", "Loose Gravel", "Garage Days", "rock", 256},
    {"Blue Hour", "Mira Sol Quartet", "Blue Hours", "Jazz", 384},
    {"Rain on Brass", "Mira Sol Quartet", "Blue Hours", "Jazz", 412},
    {"Slow Tram", "Mira Sol Quartet", "Blue Hours", "Jazz", 298},
    {"Half Past Four", "Mira Sol Quartet", "Blue Hours", "Jazz", 335},
    {"Brush Strokes", "Mira Sol Quartet", "Blue Hours", "Jazz", 367},
    {"Summer Static", "Neon Harbor", "Summer Static", "Pop", 203},
    {"Polaroid", "Neon Harbor", "Summer Static", "Pop", 189},
    {"Headlights", "Neon Harbor", "Summer Static", "Pop", 214},
    {"Sugar Glass", "Neon Harbor", "Summer Static", "Pop", 196},
    {"Weekend Radio", "Neon Harbor", "Summer Static", "Pop", 228},
    {"夜明けの街", "ひかり", "夜明けの街", "J-Pop", 244},
    {"さくら通り", "ひかり", "夜明けの街", "J-Pop", 231},
    {"星のかけら", "ひかり", "夜明けの街", "J-Pop", 259},
    {"雨上がり", "ひかり", "夜明けの街", "J-Pop", 218},
    {"また明日", "ひかり", "夜明けの街", "J-Pop", 276},
    {"Осенний вальс", "Оркестр Север", "Осенний вальс", "Classical", 421},
    {"Зимняя дорога", "Оркестр Север", "Осенний вальс", "Classical", 389},
    {"Белые ночи", "Оркестр Север", "Осенний вальс", "Classical", 512},
    {"Последний снег", "Оркестр Север", "Осенний вальс", "Classical", 357},
    {"Pulse", "Kilowatt", "Pulse", "Electronic", 301},
    {"Voltage", "Kilowatt", "Pulse", "Electronic", 288},
    {"Night Grid", "Kilowatt", "Pulse", "Electronic", 342},
    {"Capacitor", "Kilowatt", "Pulse", "Electronic", 265},
    {"Overclocked", "Kilowatt", "Pulse", "Electronic", 319},
    {"城市之光", "林晓", "城市之光", "Pop", 233},
    {"月亮代表", "林晓", "城市之光", "Pop", 251},
    {"夏天的风", "林晓", "城市之光", "Pop", 207},
    {"Καλοκαίρι", "Ελένη", "", "Pop", 194},
    {"Θάλασσα", "Ελένη", "", "Pop", 222},
};

// A short silent file stands for each song; the list keeps its real length.
double FileSeconds(unsigned number)
{
    return 4.0 + number % 7;
}

plist_t NewArray()
{
    return plist_new_array();
}

} // namespace

std::string DemoMedia::MediaName(unsigned number, const char* extension)
{
    DemoRandom random(0x5eed0000u + number);
    std::string name;
    for (int i = 0; i < 4; ++i)
        name += static_cast<char>('A' + random.Between(0, 25));
    return name + extension;
}

std::string DemoMedia::MediaPath(unsigned number, const char* extension)
{
    char folder[32];
    std::snprintf(folder, sizeof folder, "/iTunes_Control/Music/F%02u/", number % 50);
    return folder + MediaName(number, extension);
}

plist_t DemoMedia::WriteMusic(const DeviceWriter& device, size_t songCount)
{
    plist_t items = NewArray();
    for (size_t i = 0; i < songCount && i < kSongCount; ++i) {
        const Song& song = kSongs[i];
        const std::string path = MediaPath(static_cast<unsigned>(i), ".mp3");
        MediaWriter::Mp3(device.LocalPath(path), FileSeconds(static_cast<unsigned>(i)), song.title, song.artist,
                         song.album, song.genre);
        plist_array_append_item(items, device.MediaItem({song.title, song.genre, song.artist, song.album,
                                                         song.seconds * 1000ull + i * 7 % 1000},
                                                        path));
    }
    device.WriteList("music", DeviceWriter::ItemList(plist_copy(items)));
    return items;
}

void DemoMedia::WritePlaylists(const DeviceWriter& device, plist_t songs)
{
    const struct {
        const char* name;
        std::vector<unsigned> songs;
    } playlists[] = {
        {"Road Trip", {0, 3, 6, 10, 16, 18, 30, 32}},
        {"Late Night Jazz", {11, 12, 13, 14, 15, 22}},
    };
    plist_t list = NewArray();
    for (const auto& playlist : playlists) {
        plist_t items = NewArray();
        for (unsigned index : playlist.songs) {
            if (index < plist_array_get_size(songs))
                plist_array_append_item(items, plist_copy(plist_array_get_item(songs, index)));
        }
        plist_array_append_item(list, DeviceWriter::Group("name", playlist.name, items));
    }
    device.WriteList("playlists", list);
}

void DemoMedia::WriteMovies(const DeviceWriter& device, size_t count)
{
    const MediaTags movies[] = {
        {"The Long Harbour", "Drama", "Ada Lindqvist", "The Long Harbour", 7412000},
        {"Paper Planets", "Animation", "Studio Kite", "Paper Planets", 5530000},
        {"Midnight Express Line", "Thriller", "Jonas Weber", "Midnight Express Line", 6845000},
    };
    plist_t items = NewArray();
    for (size_t i = 0; i < count && i < 3; ++i) {
        const std::string path = MediaPath(100 + static_cast<unsigned>(i), ".m4v");
        MediaWriter::Mpeg4(device.LocalPath(path), "M4V ", 512 * 1024 + i * 40960);
        plist_array_append_item(items, device.MediaItem(movies[i], path));
    }
    device.WriteList("movies", DeviceWriter::ItemList(items));
}

void DemoMedia::WriteTvShows(const DeviceWriter& device)
{
    const char* episodes[] = {"Pilot", "The New Neighbour", "Storm Warning", "Harbor Days"};
    plist_t items = NewArray();
    for (unsigned i = 0; i < 4; ++i) {
        const std::string path = MediaPath(120 + i, ".m4v");
        MediaWriter::Mpeg4(device.LocalPath(path), "M4V ", 300 * 1024 + i * 20480);
        const std::string title = "S1E" + std::to_string(i + 1) + " " + episodes[i];
        plist_array_append_item(
            items, device.MediaItem({title, "Comedy", "Harbor Town", "Harbor Town, Season 1", 1320000 + i * 61000},
                                    path));
    }
    device.WriteList("tv_shows", DeviceWriter::ItemList(items));
}

void DemoMedia::WritePodcasts(const DeviceWriter& device)
{
    const char* topics[] = {"Why Batteries Age", "The Open Web", "Tiny Computers", "Backups Nobody Makes"};
    plist_t items = NewArray();
    for (unsigned i = 0; i < 4; ++i) {
        const std::string path = MediaPath(140 + i, ".mp3");
        const std::string title = "#" + std::to_string(101 + i) + " " + topics[i];
        MediaWriter::Mp3(device.LocalPath(path), 6, title, "Tech Talk Weekly", "Tech Talk Weekly", "Technology");
        plist_array_append_item(
            items, device.MediaItem({title, "Technology", "Tech Talk Weekly", "Tech Talk Weekly",
                                     2400000 + i * 183000},
                                    path));
    }
    device.WriteList("podcasts", DeviceWriter::ItemList(items));
}

void DemoMedia::WriteAudiobooks(const DeviceWriter& device)
{
    const std::string path = MediaPath(160, ".m4b");
    MediaWriter::Mpeg4(device.LocalPath(path), "M4B ", 400 * 1024);
    plist_t items = NewArray();
    plist_array_append_item(items, device.MediaItem({"The Time Machine", "Audiobook", "H. G. Wells",
                                                     "The Time Machine (Unabridged)", 12660000},
                                                    path));
    device.WriteList("audiobooks", DeviceWriter::ItemList(items));
}

void DemoMedia::WriteRingtones(const DeviceWriter& device)
{
    const char* names[] = {"Marimba Morning", "Old Phone", "Chime"};
    plist_t items = NewArray();
    for (unsigned i = 0; i < 3; ++i) {
        const std::string path = "/iTunes_Control/Ringtones/" + MediaName(170 + i, ".m4r");
        MediaWriter::Mpeg4(device.LocalPath(path), "M4A ", 40 * 1024 + i * 4096);
        plist_array_append_item(items, device.MediaItem({names[i], "Ringtone", "", "", 28000 + i * 1000}, path));
    }
    device.WriteList("ringtones", DeviceWriter::ItemList(items));
}

void DemoMedia::WriteVoiceMemos(const DeviceWriter& device)
{
    const struct {
        const char* name;
        const char* title;
        const char* file;
        unsigned ms;
    } memos[] = {
        {"Meeting notes", "Recording 1", "20240312 101500", 754000},
        {"", "Recording 2", "20240318 184210", 92000},
        {"Guitar idea", "Recording 3", "20240402 223305", 41000},
    };
    plist_t items = NewArray();
    for (const auto& memo : memos) {
        const std::string path = std::string("/Recordings/") + memo.file + ".m4a";
        MediaWriter::Mpeg4(device.LocalPath(path), "M4A ", 16 * memo.ms / 10 + 4096);
        plist_array_append_item(items, device.VoiceMemoItem(memo.name, memo.title, memo.ms, path));
    }
    device.WriteList("voice_memos", DeviceWriter::ItemList(items));
}

void DemoMedia::WriteBooks(const DeviceWriter& device, bool pdfs)
{
    const std::string lorem =
        "It was a bright cold day, and the harbour lights were still burning when the ferry came in. ";
    const EpubBook books[] = {
        {"Alice's Adventures in Wonderland", "Lewis Carroll", "en", {lorem, lorem + lorem, lorem}},
        {"The Harbour Keeper", "Mara Ellison", "en", {lorem + lorem, lorem}},
        {"銀河鉄道の夜", "宮沢賢治", "ja", {"ではみなさんは、そういうふうに川だと云われたり、乳の流れたあとだと云われたりしていたこのぼんやりと白いものがほんとうは何かご承知ですか。"}},
        {"Pride & Prejudice", "Jane Austen", "en", {lorem, lorem}},
    };
    plist_t shelf = NewArray();
    for (size_t i = 0; i < 4; ++i) {
        const EpubBook& book = books[i];
        // The first book is kept as an unpacked package, as the device stores
        // books bought in its own store.
        const std::string path = "/Books/Purchases/" + std::string(i == 0 ? "Alice in Wonderland" :
                                                                          MediaName(180 + i, "")) +
                                 ".epub";
        if (i == 0)
            MediaWriter::EpubFolder(device.LocalPath(path), book);
        else
            MediaWriter::Epub(device.LocalPath(path), book);
        plist_array_append_item(shelf, device.BookItem({book.title, "Fiction", book.author, "", 0}, path));
    }
    plist_t shelves = NewArray();
    plist_array_append_item(shelves, DeviceWriter::Group("catalog", "Books", shelf));
    if (pdfs) {
        plist_t pdfShelf = NewArray();
        const MediaTags documents[] = {
            {"Owner's Manual", "Reference", "Corvane", "", 0},
            {"Train Timetable 2024", "Travel", "Northern Rail", "", 0},
        };
        for (unsigned i = 0; i < 2; ++i) {
            const std::string path = "/Books/" + MediaName(190 + i, ".pdf");
            MediaWriter::Pdf(device.LocalPath(path), documents[i].title, documents[i].artist);
            plist_array_append_item(pdfShelf, device.BookItem(documents[i], path));
        }
        plist_array_append_item(shelves, DeviceWriter::Group("catalog", "PDFs", pdfShelf));
    }
    device.WriteList("books", shelves);
}

void DemoMedia::WriteVideoAudioAndBooks(const DeviceWriter& device)
{
    WriteMovies(device, 3);
    WriteTvShows(device);
    WritePodcasts(device);
    WriteAudiobooks(device);
    WriteRingtones(device);
    WriteVoiceMemos(device);
    WriteBooks(device, true);
}
