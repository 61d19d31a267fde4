#include "content/cell_text.h"

wxString CellText(const wxString& text)
{
    if (text.find_first_of(wxS("\r\n\t")) == wxString::npos)
        return text;
    wxString line;
    line.reserve(text.length());
    bool breaking = false;
    for (wxUniChar c : text) {
        if (c == '\r' || c == '\n' || c == '\t') {
            // A run of breaks ("\r\n", a blank line) becomes one space.
            if (!breaking)
                line += ' ';
            breaking = true;
        } else {
            line += c;
            breaking = false;
        }
    }
    return line;
}
