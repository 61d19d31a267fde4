#pragma once
// The photo library's thumbnail loader (events 207 and 208, cache folder
// "photo").

#include "device/picture_loader_kind.h"
#include "device/picture_loader_thread.h"

class DoLoadPhotoPicture : public PictureLoaderThread {
public:
    // generation: photoGeneration as the creator read it.
    explicit DoLoadPhotoPicture(int generation) : PictureLoaderThread(PhotoLoaderKind(), generation) {}
};
