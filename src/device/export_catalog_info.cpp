#include "device/export_catalog_info.h"

void ExportCatalogInfo::AddItem(const wxString& devicePath, const wxString& name)
{
    items.push_back(std::make_unique<ExportItemInfo>(devicePath, name));
}
