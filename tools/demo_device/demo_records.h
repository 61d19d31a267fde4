#ifndef DEMO_DEVICE_DEMO_RECORDS_H
#define DEMO_DEVICE_DEMO_RECORDS_H
// Contacts, messages, notes and Safari bookmarks of the demo devices.

#include "device_writer.h"

class DemoRecords {
public:
    // 15 contacts: names that sort b, A, a; names in several scripts; one
    // without a name; one, two and three properties.
    static void WriteContacts(const DeviceWriter& device);
    // Five conversations: short, long and multi-line messages, one holding
    // markup, one whose name comes from the contacts.
    static void WriteMessages(const DeviceWriter& device);
    // The first count of five notes, one of them HTML.
    static void WriteNotes(const DeviceWriter& device, int count);
    // Bookmarks at the top level and in folders, an empty folder and a
    // folder two levels down.
    static void WriteBookmarks(const DeviceWriter& device);

    // Helpers shared with the large device.
    static plist_t Property(const char* label, const std::string& value);
    static plist_t Message(const std::string& text, const std::string& dateTime, bool sent);
    static plist_t Note(const std::string& title, const std::string& content, const char* contentType);
    static plist_t Bookmark(const std::string& title, const std::string& url);
    // A folder (no URL) holding the given children array.
    static plist_t BookmarkFolder(const std::string& title, plist_t children);
};

#endif
