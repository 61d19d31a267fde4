#ifndef DEMO_DEVICE_PICTURE_WRITER_H
#define DEMO_DEVICE_PICTURE_WRITER_H
// Writes a canvas as a real PNG (zlib) or JPEG (libjpeg) file.

#include "canvas.h"

#include <string>

class PictureWriter {
public:
    static bool WritePng(const Canvas& canvas, const std::string& path);
    static bool WriteJpeg(const Canvas& canvas, const std::string& path, int quality);
};

#endif
