#include "window/update_result.h"

#include <wx/msgdlg.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "app/domain_option.h"
#include "app/product_paths.h"
#include "app/update_check.h"

void ShowUpdateResult(wxWindow* parent, const wxString& offeredVersion)
{
    const wxString caption = GetProductDisplayName();
    const UpdateMessage message = BuildUpdateMessage(offeredVersion);
    if (message.outcome != UpdateOutcome::kNewerOffered) {
        wxMessageBox(message.text, caption, wxOK | wxCENTRE, parent);
        return;
    }
    wxMessageDialog question(parent, message.text, caption, wxYES_NO | wxCENTRE);
    if (question.ShowModal() != wxID_YES)
        return;
    const wxString downloadUrl = DomainOption(GetProductLinksPath()).GetDownloadUrl();
    if (!downloadUrl.empty())
        wxLaunchDefaultBrowser(downloadUrl);
}
