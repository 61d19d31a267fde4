#include "large_device.h"

#include "demo_media.h"
#include "demo_pictures.h"
#include "demo_records.h"
#include "device_writer.h"
#include "media_writer.h"

#include <cstdio>
#include <string>

namespace {

const char* const kGenres[] = {"Rock", "rock", "Pop", "Jazz", "Classical", "Electronic", "J-Pop", "Hip-Hop",
                               "Folk", "Blues", "Country", "Soul", "Reggae", "Metal", "Punk", "Ambient",
                               "Latin", "R&B", "Soundtrack", "Gospel", "Disco", "House", "Techno", "Funk", "Opera"};
const char* const kFirstNames[] = {"Anna", "Ben", "Chloé", "David", "Emma", "Felix", "Grace", "Hugo", "Ida", "Jonas",
                                   "Kira", "Liam", "Mia", "Noah", "Olga", "Paul", "Quinn", "Rosa", "Sven", "Tara",
                                   "美咲", "翔", "Дарья", "Иван", "Νίκος", "王芳", "李娜", "Zoë", "anna", "ben"};
const char* const kLastNames[] = {"Adams", "Berg", "Costa", "Dubois", "Eriksen", "Fischer", "García", "Hall",
                                  "Ito", "Jensen", "Kowalski", "Larsen", "Moreau", "Novak", "Olsen", "Petrov",
                                  "Quint", "Rossi", "Schmidt", "Tanaka", "Ueda", "Varga", "Weber", "Xu", "Young"};
constexpr int kSongTemplates = 8;
constexpr int kPictureTemplates = 20;

template <typename T, size_t N>
constexpr int Count(const T (&)[N])
{
    return static_cast<int>(N);
}

std::string Numbered(const char* format, int number)
{
    char text[128];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

plist_t WriteSongs(const DeviceWriter& device)
{
    plist_t items = plist_new_array();
    for (int i = 0; i < LargeDevice::kSongs; ++i) {
        const std::string path = Numbered("/iTunes_Control/Music/F%02d/", i % 50) + Numbered("S%05d.mp3", i);
        const MediaTags tags{Numbered("Song %05d", i), kGenres[i % Count(kGenres)],
                             Numbered("Artist %03d", i / 100 % 500), Numbered("Album %04d", i / 10),
                             150000ull + static_cast<unsigned>(i) * 7919 % 240000};
        if (i < kSongTemplates)
            MediaWriter::Mp3(device.LocalPath(path), 4 + i, tags.title, tags.artist, tags.album, tags.genre);
        else
            device.LinkFile(Numbered("/iTunes_Control/Music/F%02d/", i % kSongTemplates) +
                                Numbered("S%05d.mp3", i % kSongTemplates),
                            path);
        plist_array_append_item(items, device.MediaItem(tags, path));
    }
    device.WriteList("music", DeviceWriter::ItemList(plist_copy(items)));
    return items;
}

void WritePlaylists(const DeviceWriter& device, plist_t songs)
{
    plist_t playlists = plist_new_array();
    for (int p = 0; p < 20; ++p) {
        plist_t items = plist_new_array();
        for (int i = 0; i < 500; ++i)
            plist_array_append_item(
                items, plist_copy(plist_array_get_item(songs, (p * 2477 + i * 97) % LargeDevice::kSongs)));
        plist_array_append_item(playlists, DeviceWriter::Group("name", Numbered("Playlist %02d", p + 1), items));
    }
    device.WriteList("playlists", playlists);
}

void WritePictures(const DeviceWriter& device, const char* list, const char* folderFormat, const char* nameFormat,
                   int count, int firstNumber)
{
    plist_t items = plist_new_array();
    std::string templates[kPictureTemplates];
    for (int i = 0; i < count; ++i) {
        const std::string path = Numbered(folderFormat, 100 + i / 1000) + Numbered(nameFormat, i + 1);
        if (i < kPictureTemplates) {
            DemoPictures::WritePicture(device.LocalPath(path), firstNumber + i, false);
            templates[i] = path;
        } else {
            device.LinkFile(templates[i % kPictureTemplates], path);
        }
        plist_array_append_item(items, device.PictureItem(DemoPictures::TakenAt(i), path));
    }
    device.WriteList(list, DeviceWriter::ItemList(items));
}

void WriteContacts(const DeviceWriter& device)
{
    plist_t contacts = plist_new_array();
    for (int i = 0; i < LargeDevice::kContacts; ++i) {
        plist_t contact = plist_new_dict();
        const std::string name = std::string(kFirstNames[i % Count(kFirstNames)]) + " " +
                                 kLastNames[i / Count(kFirstNames) % Count(kLastNames)] + Numbered(" %d", i);
        plist_dict_set_item(contact, "name", plist_new_string(name.c_str()));
        plist_t properties = plist_new_array();
        plist_array_append_item(properties, DemoRecords::Property("Phone", Numbered("+1 555 %07d", i)));
        if (i % 3 != 0)
            plist_array_append_item(properties, DemoRecords::Property("Email", Numbered("person%d@example.com", i)));
        if (i % 3 == 2)
            plist_array_append_item(properties, DemoRecords::Property("Address", Numbered("%d Long Street", i)));
        plist_dict_set_item(contact, "properties", properties);
        plist_array_append_item(contacts, contact);
    }
    device.WriteRecords("contacts", contacts);
}

void WriteMessages(const DeviceWriter& device)
{
    plist_t conversations = plist_new_array();
    int number = 0;
    for (int c = 0; c < LargeDevice::kConversations; ++c) {
        plist_t conversation = plist_new_dict();
        // Every other conversation is with a contact and takes its name from there.
        plist_dict_set_item(conversation, "phoneNumber", plist_new_string(Numbered("+1 555 %07d", c * 2).c_str()));
        plist_t messages = plist_new_array();
        for (int m = 0; m < LargeDevice::kMessagesPerConversation; ++m, ++number) {
            std::string text = Numbered("Message %d.", number);
            for (int words = number % 23; words > 0; --words)
                text += " lorem ipsum";
            if (number % 17 == 0)
                text += "\nsecond line";
            char dateTime[32];
            std::snprintf(dateTime, sizeof dateTime, "20%02d-%02d-%02d %02d:%02d:00", 20 + number / 40000,
                          1 + number / 3000 % 12, 1 + number / 100 % 28, number / 5 % 24, number % 60);
            plist_array_append_item(messages, DemoRecords::Message(text, dateTime, m % 2 == 1));
        }
        plist_dict_set_item(conversation, "messages", messages);
        plist_array_append_item(conversations, conversation);
    }
    device.WriteRecords("messages", conversations);
}

void WriteNotesAndBookmarks(const DeviceWriter& device)
{
    plist_t notes = plist_new_array();
    for (int i = 0; i < LargeDevice::kNotes; ++i)
        plist_array_append_item(notes, DemoRecords::Note(Numbered("Note %d", i), Numbered("Content of note %d", i),
                                                         "text/plain"));
    device.WriteRecords("notes", notes);
    plist_t top = plist_new_array();
    for (int f = 0; f < LargeDevice::kBookmarkFolders; ++f) {
        plist_t children = plist_new_array();
        for (int b = 0; b < LargeDevice::kBookmarksPerFolder; ++b) {
            const int n = f * LargeDevice::kBookmarksPerFolder + b;
            plist_array_append_item(children, DemoRecords::Bookmark(Numbered("Site %d", n),
                                                                    Numbered("https://site%d.example.com/", n)));
        }
        plist_array_append_item(top, DemoRecords::BookmarkFolder(Numbered("Folder %d", f), children));
    }
    device.WriteRecords("bookmarks", DemoRecords::BookmarkFolder("Bookmarks", top));
}

} // namespace

bool LargeDevice::Write(const std::string& folder)
{
    DeviceWriter device(folder, true);
    device.WriteInfo(DeviceWriter::InfoDict({"Large Test iPhone", "iPhone", "17.4.1", "F2LDEMO09999", 511705088000ull,
                                             180000000000ull, 90000000000ull, 120000000000ull, 60000000000ull}));

    plist_t songs = WriteSongs(device);
    WritePlaylists(device, songs);
    plist_free(songs);
    DemoMedia::WriteVideoAudioAndBooks(device);
    WritePictures(device, "camera_roll", "/DCIM/%03dAPPLE/", "IMG_%05d.JPG", kPictures, 1);
    WritePictures(device, "photos", "/Photos/Sync/Album %03d/", "photo_%05d.jpg", kPhotos, 500);
    WriteContacts(device);
    WriteMessages(device);
    WriteNotesAndBookmarks(device);
    return device.Ok();
}
