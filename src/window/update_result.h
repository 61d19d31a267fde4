#pragma once
// Shows the result of an update check to the user: the failure box, the
// question whether to open the download page, or the note that this version
// is the latest. The texts come from BuildUpdateMessage.

#include <wx/string.h>

class wxWindow;

// offeredVersion is the string of an EVT_UPDATE_RESULT event (empty = failed).
void ShowUpdateResult(wxWindow* parent, const wxString& offeredVersion);
