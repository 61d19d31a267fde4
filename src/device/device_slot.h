#pragma once
// One device of the last detection: its identity, the open device and every
// content list the services returned.
//
// A slot only points at its content: the plists, record lists and the open
// device belong to the DeviceTable, which releases them at the next detection.
// Copies (the device selector keeps one per entry) share those pointers and
// are valid only until the next detection starts.

#include <vector>

#include <devicekit/devicekit.h>
#include <wx/string.h>

struct DeviceSlot {
    bool inUse = false;              // opened and initialised
    PodDevice* device = nullptr;     // owned by the DeviceTable
    wxString deviceId;
    wxString deviceType;
    wxString deviceName;

    plist_t deviceInfo = nullptr;
    plist_t music = nullptr;
    plist_t movies = nullptr;
    plist_t tvShows = nullptr;
    plist_t podcasts = nullptr;
    plist_t audiobooks = nullptr;
    plist_t books = nullptr;
    plist_t ringtones = nullptr;
    plist_t playlists = nullptr;
    plist_t voiceMemos = nullptr;
    plist_t cameraRoll = nullptr;
    plist_t photos = nullptr;

    HandoverContact* contacts = nullptr;
    std::vector<HandoverContact*> sortedContacts;  // the same records, by name
    int contactCount = 0;
    HandoverConversation* messages = nullptr;
    int messageCount = 0;
    HandoverNote* notes = nullptr;
    int noteCount = 0;
    HandoverBookmark* bookmarks = nullptr;
    int bookmarkCount = 0;
};
