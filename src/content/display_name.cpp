#include "content/display_name.h"

wxString DisplayNameOfPath(const wxString& path)
{
    wxString name = path;
    name.Replace("\\", "/");
    const size_t slash = name.rfind('/');
    if (slash != wxString::npos)
        name.erase(0, slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != wxString::npos && dot > 0)
        name.erase(dot);
    return name;
}
