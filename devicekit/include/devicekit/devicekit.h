#ifndef DEVICEKIT_DEVICEKIT_H
#define DEVICEKIT_DEVICEKIT_H
/*
 * The device library's public boundary: the only header the program includes.
 *
 * Three services, all reached through plain tables of function pointers:
 *   - the device service lists, opens and reads devices and copies files off them;
 *   - the content service returns contacts, messages, notes and bookmarks as
 *     linked records;
 *   - the packing function turns a folder into one ZIP file.
 *
 * Every string that crosses is UTF-8. Property lists are libplist nodes owned
 * by the caller (free with plist_free); strings read out of them with
 * plist_get_string_val are released with free(). Records of the content
 * service are owned by the library and released with the service's Free*
 * entries.
 */

#include <stdint.h>
#include <plist/plist.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Initialize results. Any other value means the device could not be used. */
enum {
    POD_INIT_READY = 0,
    POD_INIT_NO_DEVICE = 3,
    POD_INIT_LOCKED = 4
};

/* Copy results. */
enum {
    POD_COPY_OK = 0,
    POD_COPY_FAILED = -1,
    POD_COPY_ABANDONED = -2
};

/* Progress of a copy: total then done, in bytes. Return 0 to go on, -2 to
 * abandon the copy (nothing is left at the target then). */
typedef int (*PodProgressCallback)(uint64_t total, uint64_t done);

typedef struct PodDevice PodDevice;

/* An open device. Every entry takes the device itself first. */
struct PodDevice {
    void* impl; /* the library's own state */

    /* Prepares the device with a working folder; POD_INIT_* result. */
    int (*Initialize)(PodDevice* device, const char* workingFolder);
    /* dict: "DeviceName", "Type", "Version", "SerialNumber" (strings);
     * "Catacity", "Audio", "Video", "Photos", "Others", "Available" (uint bytes). */
    plist_t (*GetDeviceInfo)(PodDevice* device);
    /* Copies one file; the target appears only when the copy is complete, so a
     * failed or abandoned copy leaves nothing. Progress is reported after every
     * 256 KiB and at the end. Returns a POD_COPY_* result. */
    int (*CopyFileToLocal)(PodDevice* device, const char* devicePath, const char* localPath,
                           PodProgressCallback progress);
    /* Copies a folder tree into localFolder (created; it must not exist yet),
     * again all or nothing. Returns a POD_COPY_* result. */
    int (*CopyFolderToLocal)(PodDevice* device, const char* devicePath, const char* localFolder,
                             PodProgressCallback progress);

    /* Media lists: dict {"number": uint, "item": [ {title, genre, artist, album, path: string;
     * time: uint ms; size: uint bytes} ]}. Null when the category is absent. */
    plist_t (*GetMusic)(PodDevice* device, int reserved1, int reserved2);
    /* array of {"name": string, "number": uint, "item": [media items]} */
    plist_t (*GetPlaylists)(PodDevice* device, int reserved1, int reserved2);
    plist_t (*GetMovies)(PodDevice* device, int reserved1, int reserved2);
    plist_t (*GetPodcasts)(PodDevice* device, int reserved1, int reserved2);
    plist_t (*GetTvShows)(PodDevice* device, int reserved1, int reserved2);
    plist_t (*GetAudiobooks)(PodDevice* device, int reserved1, int reserved2);
    /* dict {"number", "item": [ {name, title, path: string; time, size: uint} ]} */
    plist_t (*GetVoiceMemos)(PodDevice* device, int reserved1, int reserved2);
    plist_t (*GetRingtones)(PodDevice* device, int reserved1, int reserved2);
    /* Picture lists: dict {"number", "item": [ {path, time: string; size: uint} ]} */
    plist_t (*GetPhotos)(PodDevice* device);
    /* array of {"catalog": string, "number": uint, "item": [ {title, genre, artist, album, path} ]} */
    plist_t (*GetBooks)(PodDevice* device, int reserved1, int reserved2);
    plist_t (*GetCameraRoll)(PodDevice* device, int reserved1, int reserved2);
    /* Nonzero when the item is stored on the device as a folder. */
    int (*IsFolder)(PodDevice* device, const char* devicePath);
};

typedef struct PodDeviceService {
    /* array of dicts {"type": string, "value": string (device id)}; caller frees.
     * Folder devices come from the HANDOVER_DEVICES variable, read on every call;
     * a device id is always a safe single path component. */
    plist_t (*ListDevices)(void);
    /* Never null for an id that the last ListDevices returned (while its folder
     * stays listed); null for an unknown one. */
    PodDevice* (*OpenDevice)(const char* deviceId, const char* type);
    void (*CloseDevice)(PodDevice* device);
} PodDeviceService;

PodDeviceService* CreatePodDeviceService(void);
void FreePodDeviceService(PodDeviceService* service);

/* Content-service records. Texts may be null (shown as empty). */
typedef struct HandoverProperty {
    const char* label;  /* shown as the property's type */
    const char* value;
    struct HandoverProperty* next;
} HandoverProperty;

typedef struct HandoverContact {
    const char* name;
    HandoverProperty* properties;
    struct HandoverContact* next;
} HandoverContact;

typedef struct HandoverMessage {
    const char* text;
    const char* dateTime;
    int sent; /* nonzero sent, zero received */
    struct HandoverMessage* next;
} HandoverMessage;

typedef struct HandoverConversation {
    const char* phoneNumber;
    const char* name;
    HandoverMessage* messages;
    struct HandoverConversation* next;
} HandoverConversation;

typedef struct HandoverNote {
    const char* title;
    const char* content;
    const char* contentType;
    struct HandoverNote* next;
} HandoverNote;

typedef struct HandoverBookmark {
    struct HandoverBookmark* parent;
    struct HandoverBookmark* firstChild;
    const char* title;
    const char* url; /* null for a folder */
    struct HandoverBookmark* nextSibling;
} HandoverBookmark;

typedef struct HandoverService {
    /* Each takes a reserved null first, the device id, and receives the record count. */
    HandoverContact* (*GetContacts)(void* reserved, const char* deviceId, int* count);
    HandoverConversation* (*GetMessages)(void* reserved, const char* deviceId, int* count,
                                         HandoverContact* contacts);
    HandoverNote* (*GetNotes)(void* reserved, const char* deviceId, int* count);
    /* The root of the tree (a folder node); count is the number of bookmarks with a URL. */
    HandoverBookmark* (*GetBookmarks)(void* reserved, const char* deviceId, int* count);

    /* Release lists returned above (null is accepted). */
    void (*FreeContacts)(HandoverContact* head);
    void (*FreeMessages)(HandoverConversation* head);
    void (*FreeNotes)(HandoverNote* head);
    void (*FreeBookmarks)(HandoverBookmark* root);
} HandoverService;

HandoverService* CreateHandoverService(void);
void FreeHandoverService(HandoverService* service);

/* Packs the contents of sourceFolder into one ZIP file at targetFile. A folder
 * holding an EPUB "mimetype" file gives a valid EPUB container (mimetype first,
 * stored). Returns 0 on success. */
int PackFolder(const char* sourceFolder, const char* targetFile);

#ifdef __cplusplus
}
#endif

#endif /* DEVICEKIT_DEVICEKIT_H */
