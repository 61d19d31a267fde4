#include "window/about_dialog.h"

#include <wx/intl.h>

#include "common/image_util.h"

bool CreateAboutDialog(AboutDialog& dialog, const wxString& backgroundName)
{
    wxBitmap* background = LoadThemeBitmap(backgroundName);
    const wxSize size = background != nullptr ? background->GetSize() : wxSize(0, 0);
    // Create centres the dialog on the screen.
    return dialog.Create(background, nullptr, wxID_ANY, _("About"), wxDefaultPosition, size,
                         wxBORDER_NONE | wxFRAME_SHAPED);
}
