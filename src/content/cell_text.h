#pragma once
// What a list cell shows of a text: one line. The lists keep every row at the
// same height (GTK's fixed-height mode), so a note's several lines, or a
// device name with a line break in it, are shown with spaces in place of the
// breaks. The rows themselves, and what is exported, keep the text whole.

#include <wx/string.h>

wxString CellText(const wxString& text);
