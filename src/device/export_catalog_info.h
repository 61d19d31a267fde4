#pragma once
// One file export: the destination, the items in export order and the state
// the progress callback reports. The export command fills it; from the start
// of the export thread the thread owns it, and destroying it destroys every
// item. currentItem, itemTotal and currentName are written and read only by
// the export thread.

#include <memory>
#include <vector>

#include <wx/string.h>

#include "device/export_item_info.h"

class ExportProgressSink;

class ExportCatalogInfo {
public:
    ExportCatalogInfo() = default;
    ExportCatalogInfo(const ExportCatalogInfo&) = delete;
    ExportCatalogInfo& operator=(const ExportCatalogInfo&) = delete;
    virtual ~ExportCatalogInfo() = default;

    void AddItem(const wxString& devicePath, const wxString& name);

    wxString destination;  // folder, forward slashes
    std::vector<std::unique_ptr<ExportItemInfo>> items;
    int currentItem = 0;   // 1-based number of the item being exported
    int itemTotal = 0;     // fixed when the export starts
    wxString currentName;  // name of the item being exported, for the progress text
    // Where progress is left and the completion event goes; not owned, may be null.
    ExportProgressSink* progressDialog = nullptr;
};
