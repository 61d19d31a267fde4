#include "device/picture_loader_kind.h"

#include "device/sync_objects.h"
#include "device/thread_events.h"

bool PictureLoaderKind::IsCurrent(int number) const
{
    wxMutexLocker lock(generationMutex);
    return generation == number;
}

int PictureLoaderKind::CurrentGeneration() const
{
    wxMutexLocker lock(generationMutex);
    return generation;
}

const PictureLoaderKind& CameraRollLoaderKind()
{
    static const PictureLoaderKind kind{cameraRollGenerationMutex, cameraRollGeneration,
                                        cameraRollRequestMutex,    cameraRollRequestCondition,
                                        cameraRollDeliveryMutex,   cameraRollDeliveryCondition,
                                        ID_CAMERA_ROLL_NEXT,       ID_CAMERA_ROLL_LOADED,
                                        "camera-roll",             nullptr};
    return kind;
}

const PictureLoaderKind& PhotoLoaderKind()
{
    static const PictureLoaderKind kind{photoGenerationMutex, photoGeneration,
                                        photoRequestMutex,    photoRequestCondition,
                                        photoDeliveryMutex,   photoDeliveryCondition,
                                        ID_PHOTO_NEXT,        ID_PHOTO_LOADED,
                                        "photo",              "Entry DoLoadPhotoPicture::Entry()"};
    return kind;
}
