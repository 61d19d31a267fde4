#include "window/client/placeholder_info_view.h"

PlaceholderInfoView::PlaceholderInfoView(wxWindow* parent, wxBitmap* background)
{
    CreatePanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE, background);
}
