#pragma once
// The detection thread: a detached worker that rebuilds the DeviceTable and
// reports progress and completion by queued events.

#include <wx/thread.h>

class wxEvtHandler;

class DoDetectDevice : public wxThread {
public:
    // progressHandler receives EVT_DETECT_PROGRESS (the status bar's handler).
    explicit DoDetectDevice(wxEvtHandler* progressHandler);

protected:
    ExitCode Entry() override;

private:
    wxEvtHandler* progressHandler_;  // not owned; lives on the UI thread
};
