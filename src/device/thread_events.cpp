#include "device/thread_events.h"

wxDEFINE_EVENT(EVT_DETECT_PROGRESS, wxCommandEvent);
wxDEFINE_EVENT(EVT_EXPORT_FINISHED, wxCommandEvent);
wxDEFINE_EVENT(EVT_UPDATE_RESULT, wxCommandEvent);
wxDEFINE_EVENT(EVT_LANGUAGE_CHANGED, wxCommandEvent);
