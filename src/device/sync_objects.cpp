#include "device/sync_objects.h"

// Mutexes are defined before the conditions bound to them (one translation
// unit, so definition order is construction order).
wxMutex cameraRollGenerationMutex;
int cameraRollGeneration = 0;
wxMutex photoGenerationMutex;
int photoGeneration = 0;

wxMutex cameraRollRequestMutex;
wxCondition cameraRollRequestCondition(cameraRollRequestMutex);
wxMutex cameraRollDeliveryMutex;
wxCondition cameraRollDeliveryCondition(cameraRollDeliveryMutex);
wxMutex photoRequestMutex;
wxCondition photoRequestCondition(photoRequestMutex);
wxMutex photoDeliveryMutex;
wxCondition photoDeliveryCondition(photoDeliveryMutex);

std::atomic<bool> exportStopFlag{true};
wxMutex exportDoneMutex;
wxCondition exportDoneCondition(exportDoneMutex);

void RaiseLoaderGenerations()
{
    {
        wxMutexLocker lock(cameraRollGenerationMutex);
        ++cameraRollGeneration;
    }
    {
        wxMutexLocker lock(photoGenerationMutex);
        ++photoGeneration;
    }
}

int CurrentCameraRollGeneration()
{
    wxMutexLocker lock(cameraRollGenerationMutex);
    return cameraRollGeneration;
}

int CurrentPhotoGeneration()
{
    wxMutexLocker lock(photoGenerationMutex);
    return photoGeneration;
}
