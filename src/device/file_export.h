#pragma once
// The file export: copies the items of an ExportCatalogInfo from the current
// device into its destination folder. DoExportDeviceFile runs it on its own
// thread; the naming rules are exposed so they can be checked on their own.

#include <atomic>
#include <cstdint>

#include <wx/string.h>

class ExportCatalogInfo;

// The request of the file export that runs, read by the progress callback.
// Set by whoever starts the export thread; cleared when that thread ends.
extern std::atomic<ExportCatalogInfo*> currentExportRequest;

// Progress callback handed to the device library's copies: leaves the text
// and percent for the progress dialog of currentExportRequest, and answers
// POD_COPY_ABANDONED (-2) once exportStopFlag is set.
int DoExportFileCallback(std::uint64_t total, std::uint64_t done);

// The extension of a device path: from the last "." of its file-name part to
// the end, dot included, made a valid file name; empty without a dot.
wxString ExportExtension(const wxString& devicePath);

// The name an item is written under, without extension: its name made a
// valid file name and cut to a length every file system takes. An empty name
// takes the file name of the device path; a name of dots only (which would
// mean the folder itself or its parent) has its dots replaced.
wxString ExportFileStem(const wxString& name, const wxString& devicePath);

// base + extension, or base + "(n)" + extension with the smallest n from 1 up
// for which nothing (file, folder or link) exists yet.
wxString FreeExportTarget(const wxString& base, const wxString& extension);

// Exports every item of the request in order on the calling thread, until
// exportStopFlag is set. Does not touch the flag or send the completion event.
void ExportDeviceFiles(ExportCatalogInfo& request);
