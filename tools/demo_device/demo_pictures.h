#ifndef DEMO_DEVICE_DEMO_PICTURES_H
#define DEMO_DEVICE_DEMO_PICTURES_H
// The camera roll and the synced photos of the demo devices: real JPEG and
// PNG pictures of different sizes and colours, each showing its number.

#include "device_writer.h"

#include <string>

class DemoPictures {
public:
    // pictureCount pictures under /DCIM/100APPLE (every fourth a PNG
    // screenshot); with extras, one .HEIC and one .MOV item after them.
    static void WriteCameraRoll(const DeviceWriter& device, int pictureCount, bool extras);
    // count pictures in two albums under /Photos/Sync.
    static void WritePhotos(const DeviceWriter& device, int count);

    // One picture file; number picks its size, colours and the digits shown.
    static bool WritePicture(const std::string& localPath, int number, bool png);
    // "YYYY-MM-DD hh:mm:ss", later for larger numbers.
    static std::string TakenAt(int number);
};

#endif
