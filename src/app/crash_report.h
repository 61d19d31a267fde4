#pragma once
// Texts of the crash report: the message shown to the user and the content
// of timestamp.my.

#include <wx/string.h>

class wxDateTime;

// The translated crash text with the report folder put in place of every "%s"
// (a plain replacement, so a folder name holding "%" is shown as it is).
wxString BuildCrashMessage(const wxString& reportFolder);

// "YYYY-MM-DD HH:MM:SS": exactly 19 characters, no line end.
wxString FormatReportTimestamp(const wxDateTime& moment);
