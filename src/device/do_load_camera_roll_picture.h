#pragma once
// The camera roll's thumbnail loader (events 205 and 206, cache folder
// "camera-roll").

#include "device/picture_loader_kind.h"
#include "device/picture_loader_thread.h"

class DoLoadCameraRollPicture : public PictureLoaderThread {
public:
    // generation: cameraRollGeneration as the creator read it.
    explicit DoLoadCameraRollPicture(int generation) : PictureLoaderThread(CameraRollLoaderKind(), generation) {}
};
