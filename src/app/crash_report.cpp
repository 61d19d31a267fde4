#include "app/crash_report.h"

#include <wx/datetime.h>
#include <wx/intl.h>

wxString BuildCrashMessage(const wxString& reportFolder)
{
    wxString message = _("Application have crashed due to some unknown reasons,\n"
                         "Please email the zip crashing report file that is generated in \n%s\n to us.");
    message.Replace("%s", reportFolder);
    return message;
}

wxString FormatReportTimestamp(const wxDateTime& moment)
{
    return moment.Format("%Y-%m-%d %H:%M:%S");
}
