#include "window/tool_bar.h"

bool ToolBar::Create(wxWindow* parent, const wxPoint& position, const wxSize& size, wxBitmap* background)
{
    return CreatePanel(parent, wxID_ANY, position, size, wxTAB_TRAVERSAL | wxBORDER_NONE, background);
}

// The band has no menus and no controls yet; see the header.
void ToolBar::ClearMenus() {}
void ToolBar::BuildMenus() {}
void ToolBar::UpdateLabels() {}
void ToolBar::EnableCommands(bool) {}
void ToolBar::EnableButtons() {}
void ToolBar::DisableButtons() {}
void ToolBar::EnableSearchBox(bool) {}
void ToolBar::ShowCheckedSummary(wxDataViewListCtrl*) {}
void ToolBar::ShowCheckedSizeSummary(wxDataViewListCtrl*) {}
void ToolBar::ShowSelectedSizeSummary(wxListView*) {}
