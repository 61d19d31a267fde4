#include "window/update_result.h"

#include <wx/defs.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "app/domain_option.h"
#include "app/product_paths.h"
#include "app/update_check.h"
#include "window/message_box.h"

void ShowUpdateResult(wxWindow* parent, const wxString& offeredVersion)
{
    const wxString caption = GetProductDisplayName();
    const UpdateMessage message = BuildUpdateMessage(offeredVersion);
    if (message.outcome != UpdateOutcome::kNewerOffered) {
        ShowMessageBox(message.text, caption, wxOK | wxCENTRE, parent);
        return;
    }
    if (ShowMessageBox(message.text, caption, wxYES_NO | wxCENTRE, parent) != wxYES)
        return;
    const wxString downloadUrl = DomainOption(GetProductLinksPath()).GetDownloadUrl();
    if (!downloadUrl.empty())
        wxLaunchDefaultBrowser(downloadUrl);
}
