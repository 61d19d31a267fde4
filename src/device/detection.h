#pragma once
// The detection itself: rebuilds the DeviceTable from the devices the device
// service lists. DoDetectDevice runs it on its own thread; tests call it
// directly.

class wxEvtHandler;

// Where the completion event (wxEVT_THREAD, id 204) goes: the navigation pane
// sets itself here while it exists. With none set, nothing is sent.
void SetDetectDoneReceiver(wxEvtHandler* receiver);
wxEvtHandler* GetDetectDoneReceiver();

// Runs one detection; progress events go to progressHandler (may be null).
void RunDetection(wxEvtHandler* progressHandler);
