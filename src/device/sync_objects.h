#pragma once
// The process-wide synchronisation objects of the worker threads, built during
// static initialisation (before the application object exists) and never
// destroyed while a thread may use them.
//
// Lock order: a generation mutex may be held while deviceTableMutex is taken,
// never the other way round.

#include <atomic>
#include <wx/thread.h>

// Thumbnail loaders: generation numbers (raising one stops the running loader
// of that kind), and the request/delivery handshakes with the UI thread.
extern wxMutex cameraRollGenerationMutex;
extern int cameraRollGeneration;     // guarded by cameraRollGenerationMutex
extern wxMutex photoGenerationMutex;
extern int photoGeneration;          // guarded by photoGenerationMutex

extern wxMutex cameraRollRequestMutex;
extern wxCondition cameraRollRequestCondition;
extern wxMutex cameraRollDeliveryMutex;
extern wxCondition cameraRollDeliveryCondition;
extern wxMutex photoRequestMutex;
extern wxCondition photoRequestCondition;
extern wxMutex photoDeliveryMutex;
extern wxCondition photoDeliveryCondition;

// Export: set whenever no export runs; cleared when one starts; set by a stop
// or by the worker at its end. Written under exportDoneMutex.
extern std::atomic<bool> exportStopFlag;
extern wxMutex exportDoneMutex;
extern wxCondition exportDoneCondition;

// Raises both generation numbers, each under its own mutex, so that running
// thumbnail loaders stop.
void RaiseLoaderGenerations();
int CurrentCameraRollGeneration();
int CurrentPhotoGeneration();
