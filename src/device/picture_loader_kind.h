#pragma once
// What sets the camera-roll loader apart from the photo loader: its
// generation number, its two handshakes, its event ids, its cache folder and
// its trace line. Everything else about the two is one implementation.

#include <wx/thread.h>

struct PictureLoaderKind {
    wxMutex& generationMutex;
    int& generation;  // guarded by generationMutex
    wxMutex& requestMutex;
    wxCondition& requestCondition;
    wxMutex& deliveryMutex;
    wxCondition& deliveryCondition;
    int requestEventId;
    int deliveryEventId;
    const char* cacheFolder;  // below the device's folder
    const char* entryTrace;   // written when a loader starts; may be null

    // Whether `number` is still the current generation (reads it under its mutex).
    bool IsCurrent(int number) const;
    int CurrentGeneration() const;
};

const PictureLoaderKind& CameraRollLoaderKind();
const PictureLoaderKind& PhotoLoaderKind();
