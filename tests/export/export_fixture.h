#pragma once
// Shared pieces of the export tests: a folder device made by the test, a
// receiver for the completion event, and a look at what a folder holds.

#include <set>
#include <string>

#include <wx/event.h>

// Receives EVT_EXPORT_FINISHED on the test's thread.
class FinishedRecorder : public wxEvtHandler {
public:
    FinishedRecorder();

    // Delivers queued events until `count` completion events have arrived in
    // all and the worker threads have ended, or a minute has passed.
    bool WaitForFinished(int count = 1);

    int finished = 0;
    int lastOutcome = -1;
};

// A folder device below the test home: files are written under files/.
class TestFolderDevice {
public:
    explicit TestFolderDevice(const std::string& hint);

    void AddFile(const std::string& devicePath, const std::string& bytes) const;
    std::string LocalPath(const std::string& devicePath) const;

    std::string root;
};

// Lists the given folders (separated by ':') as the devices, runs a detection
// and chooses the first device.
void DetectDevices(const std::string& folders);

// Names of everything in a folder, hidden entries included.
std::set<std::string> FolderEntries(const std::string& folder);

std::string DemoDevicePath(const std::string& name);
