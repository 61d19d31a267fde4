#pragma once
// One item of a file export: where it is on the device and what the exported
// file is named after.

#include <wx/string.h>

class ExportItemInfo {
public:
    ExportItemInfo() = default;
    ExportItemInfo(const wxString& devicePath_, const wxString& name_) : devicePath(devicePath_), name(name_) {}
    virtual ~ExportItemInfo() = default;

    wxString devicePath;  // the item's "path" on the device
    wxString name;        // the title shown in the view, or the picture's file name
};
