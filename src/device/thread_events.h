#pragma once
// Event types and identifiers through which the worker threads report to the
// user-interface thread. Workers only ever queue these; the receivers live on
// the user-interface thread.

#include <wx/event.h>

// Progress of a detection: int = percent, string = "device name (step)".
wxDECLARE_EVENT(EVT_DETECT_PROGRESS, wxCommandEvent);
// An export (file or HTML) has ended.
wxDECLARE_EVENT(EVT_EXPORT_FINISHED, wxCommandEvent);
// Result of an update check: string = offered version, empty on failure.
wxDECLARE_EVENT(EVT_UPDATE_RESULT, wxCommandEvent);
// The user chose an interface language: int = language code.
wxDECLARE_EVENT(EVT_LANGUAGE_CHANGED, wxCommandEvent);

// Identifiers of the wxEVT_THREAD events. 201 to 203 are window ids of the
// navigation pane's own controls and are not used here.
enum ThreadEventId {
    ID_DETECT_DONE = 204,
    ID_CAMERA_ROLL_NEXT = 205,
    ID_CAMERA_ROLL_LOADED = 206,
    ID_PHOTO_NEXT = 207,
    ID_PHOTO_LOADED = 208,
};
